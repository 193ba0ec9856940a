#include "optimizer/warm_start.h"

#include <algorithm>

namespace tabrel {

namespace {

class Greedy {
public:
    Greedy(const Ward& ward, const LawConstraints& law)
        : ward_(ward),
          law_(law),
          given_(ward.choices.size(), false),
          busy_(ward.workers.size(), std::vector<bool>(ward.days, false)),
          room_(law.room),
          conflicts_of_(ward.choices.size()),
          windows_of_(ward.choices.size()),
          heads_(ward.present) {
        for (size_t k = 0; k < law.conflicts.size(); ++k)
            for (int c : law.conflicts[k]) conflicts_of_[c].push_back(static_cast<int>(k));
        conflict_given_.assign(law.conflicts.size(), 0);
        for (size_t w = 0; w < law.weeks.size(); ++w) {
            blocked_.emplace_back(law.weeks[w].windows.size(), 0);
            for (size_t j = 0; j < law.weeks[w].windows.size(); ++j)
                for (int c : law.weeks[w].windows[j])
                    windows_of_[c].push_back({static_cast<int>(w), static_cast<int>(j)});
        }
    }

    void cover() {
        for (int d = 0; d < ward_.days; ++d)
            for (int k = 0; k < static_cast<int>(ward_.shift_length.size()); ++k)
                while (heads_[d][k] < ward_.required[d][k] && give(best_for_slot(d, k + 1))) {
                }
    }

    void fill_norms() {
        for (int w = 0; w < static_cast<int>(ward_.workers.size()); ++w)
            while (give(best_for_worker(w))) {
            }
    }

    std::vector<bool> result() const { return given_; }

private:
    struct WindowRef {
        int week;
        int window;
    };

    long left_of_norm(int w) const {
        const WardWorker& worker = ward_.workers[w];
        return worker.norm - worker.used - given_minutes_[w];
    }

    bool allowed(int c) const {
        const DutyChoice& choice = ward_.choices[c];
        if (law_.forbidden[c] || given_[c] || busy_[choice.worker][choice.day]) return false;
        if (choice.length > room_[choice.worker]) return false;
        for (int k : conflicts_of_[c])
            if (conflict_given_[k] + 1 >= static_cast<int>(law_.conflicts[k].size())) return false;
        return keeps_weekly_rest(c);
    }

    bool keeps_weekly_rest(int c) const {
        for (const WindowRef& ref : windows_of_[c]) {
            const auto& blocked = blocked_[ref.week];
            bool free_left = false;
            for (size_t j = 0; j < blocked.size() && !free_left; ++j) {
                const bool hit = std::any_of(
                    windows_of_[c].begin(), windows_of_[c].end(), [&](const WindowRef& r) {
                        return r.week == ref.week && r.window == static_cast<int>(j);
                    });
                free_left = blocked[j] == 0 && !hit;
            }
            if (!free_left) return false;
        }
        return true;
    }

    // Nights and weekend duties go to whoever has the fewest of them for the norm, the rest to
    // whoever has most of the norm left.
    double slot_rank(int c) const {
        const DutyChoice& choice = ward_.choices[c];
        const WardWorker& w = ward_.workers[choice.worker];
        const double norm = std::max(w.norm, 1);
        if (choice.night) return -(w.fixed_nights + nights_[choice.worker]) / norm;
        if (choice.weekend) return -(w.fixed_weekend + weekends_[choice.worker]) / norm;
        return static_cast<double>(left_of_norm(choice.worker));
    }

    int best_for_slot(int day, int shift) const {
        int best = -1;
        double best_rank = 0;
        for (const int c : slot_choices(day, shift)) {
            if (!allowed(c)) continue;
            const double rank = slot_rank(c);
            if (best < 0 || rank > best_rank) best = c, best_rank = rank;
        }
        return best;
    }

    std::vector<int> slot_choices(int day, int shift) const {
        std::vector<int> out;
        for (size_t w = 0; w < ward_.workers.size(); ++w)
            for (int c : law_.by_day[w][day])
                if (ward_.choices[c].shift == shift) out.push_back(c);
        return out;
    }

    // The worker's duty on the shift with the most heads still missing, while it fits the norm.
    int best_for_worker(int w) const {
        int best = -1;
        int best_surplus = 0;
        for (const auto& day : law_.by_day[w])
            for (int c : day) {
                const DutyChoice& choice = ward_.choices[c];
                if (choice.length > left_of_norm(w) || !allowed(c)) continue;
                const int k = choice.shift - 1;
                const int surplus = heads_[choice.day][k] - ward_.required[choice.day][k];
                if (best < 0 || surplus < best_surplus) best = c, best_surplus = surplus;
            }
        return best;
    }

    bool give(int c) {
        if (c < 0) return false;
        const DutyChoice& choice = ward_.choices[c];
        given_[c] = true;
        busy_[choice.worker][choice.day] = true;
        room_[choice.worker] -= choice.length;
        given_minutes_[choice.worker] += choice.length;
        ++heads_[choice.day][choice.shift - 1];
        nights_[choice.worker] += choice.night;
        weekends_[choice.worker] += choice.weekend;
        for (int k : conflicts_of_[c]) ++conflict_given_[k];
        for (const WindowRef& ref : windows_of_[c]) ++blocked_[ref.week][ref.window];
        return true;
    }

    const Ward& ward_;
    const LawConstraints& law_;
    std::vector<bool> given_;
    std::vector<std::vector<bool>> busy_;
    std::vector<long> room_;
    std::vector<long> given_minutes_ = std::vector<long>(ward_.workers.size(), 0);
    std::vector<int> nights_ = std::vector<int>(ward_.workers.size(), 0);
    std::vector<int> weekends_ = std::vector<int>(ward_.workers.size(), 0);
    std::vector<std::vector<int>> conflicts_of_;
    std::vector<int> conflict_given_;
    std::vector<std::vector<WindowRef>> windows_of_;
    std::vector<std::vector<int>> blocked_;
    std::vector<std::vector<int>> heads_;
};

}  // namespace

std::vector<bool> greedy_plan(const Ward& ward, const LawConstraints& law) {
    Greedy greedy(ward, law);
    greedy.cover();
    greedy.fill_norms();
    return greedy.result();
}

}  // namespace tabrel
