#pragma once

namespace tabrel {

// What the window must show again after an edit. The summaries have already been recomputed.
struct Redisplay {
    bool duties = false;       // lay out the duty tiles again
    bool days_off = false;     // lay out the day-off tiles again
    int day = 0;               // the one day whose tiles changed; 0 for the whole month
    bool worker_list = false;  // the worker list and the selected worker's boxes

    // Both changes together; two different days widen to the whole month.
    Redisplay& operator+=(const Redisplay& other) {
        if (!any()) {
            day = other.day;
        } else if (other.any() && other.day != day) {
            day = 0;
        }
        duties = duties || other.duties;
        days_off = days_off || other.days_off;
        worker_list = worker_list || other.worker_list;
        return *this;
    }
    bool any() const { return duties || days_off || worker_list; }
    bool operator==(const Redisplay&) const = default;
};

}  // namespace tabrel
