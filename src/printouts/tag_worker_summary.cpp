#include <array>

#include "printouts/tag_families.h"

namespace tabrel {

namespace {

using Minutes = int64_t (*)(const Worker&, const TagCall&);

// A duration of the worker's month summary, computed first when it is not yet.
template <Minutes minutes>
std::string summary_time(const TagCall& c) {
    const Worker* w = c.summarised_worker();
    return w ? c.time(minutes(*w, c)) : std::string();
}

using Count = int (*)(const Worker&);

template <Count count>
std::string summary_count(const TagCall& c) {
    const Worker* w = c.summarised_worker();
    return w ? std::to_string(count(*w)) : std::string();
}

int day8(const TagCall& c) {
    const Group* g = c.group();
    return g ? g->profile.day8 : 0;
}

// Nights worked: the night hours in whole-night lengths.
std::string nights(const TagCall& c) {
    const Worker* w = c.summarised_worker();
    const int night = c.ctx.options.noc_do;
    if (!w || night == 0) return {};
    return c.decimal("%g", static_cast<double>(w->summary.hours_N) / night);
}

int64_t dns(const Worker& w) {
    return int64_t(w.summary.hours_D) + w.summary.hours_N + w.summary.hours_S;
}
int64_t overtime(const Worker& w) {
    return int64_t(w.summary.overtime_50) + w.summary.overtime_100;
}
int64_t worked_and_leave(const Worker& w) {
    return int64_t(w.summary.worked_total) + w.summary.leave_toward_norm;
}

int64_t d(const Worker& w, const TagCall&) {
    return w.summary.hours_D;
}
int64_t n(const Worker& w, const TagCall&) {
    return w.summary.hours_N;
}
int64_t s(const Worker& w, const TagCall&) {
    return w.summary.hours_S;
}
int64_t dns(const Worker& w, const TagCall&) {
    return dns(w);
}
int64_t saturday(const Worker& w, const TagCall&) {
    return w.summary.hours_D_saturday;
}
int64_t d_without_saturday(const Worker& w, const TagCall&) {
    return int64_t(w.summary.hours_D) - w.summary.hours_D_saturday;
}
int64_t ot50(const Worker& w, const TagCall&) {
    return w.summary.overtime_50;
}
int64_t ot100(const Worker& w, const TagCall&) {
    return w.summary.overtime_100;
}
int64_t ot(const Worker& w, const TagCall&) {
    return overtime(w);
}
int64_t leave(const Worker& w, const TagCall&) {
    return w.summary.leave_toward_norm;
}
int64_t duty_sum(const Worker& w, const TagCall&) {
    return w.summary.worked_total + overtime(w);
}
int64_t all_sum(const Worker& w, const TagCall&) {
    return worked_and_leave(w) + overtime(w);
}
int64_t all_sum_wo(const Worker& w, const TagCall&) {
    return w.summary.leave_toward_norm + dns(w);
}
int64_t norm(const Worker& w, const TagCall&) {
    return w.norma;
}
int64_t norm_wd(const Worker& w, const TagCall&) {
    return int64_t(w.norma) - w.summary.leave_toward_norm;
}
int64_t norm_wo(const Worker& w, const TagCall&) {
    return int64_t(w.norma) + w.carry_total;
}
int64_t diff_group(const Worker& w, const TagCall& c) {
    return worked_and_leave(w) - c.calendar().group_norm;
}
int64_t diff_own(const Worker& w, const TagCall&) {
    return worked_and_leave(w) - w.norma;
}
int64_t diff_own_wo(const Worker& w, const TagCall&) {
    return dns(w) + w.summary.leave_toward_norm - w.norma;
}
int64_t diff_own_wd(const Worker& w, const TagCall& c) {
    return w.summary.worked_total + int64_t(w.leave_count) * day8(c) - w.norma;
}

int duties(const Worker& w) {
    return w.duty_count;
}
int leave_days(const Worker& w) {
    return w.leave_count;
}
int duties_and_leave_days(const Worker& w) {
    return w.duty_count + w.leave_count;
}

// The part of a duty that runs into the first day of the next month.
std::string next_month_symbol(const TagCall& c) {
    const DaySummary* r = c.next_month_row();
    if (!r) return {};
    return r->symbol.empty() ? "&nbsp;" : c.text(r->symbol);
}

template <TimeValue DaySummary::*field>
std::string next_month_minutes(const TagCall& c) {
    const DaySummary* r = c.next_month_row();
    if (!r) return {};
    return r->*field == 0 ? "&nbsp;" : c.time(r->*field);
}

const std::array kWorkerSummary = {
    TagEntry{"worker_duty_qty", "prac_ile_dyz", summary_count<duties>},
    TagEntry{"worker_dayoff_qty", "prac_ile_wol", summary_count<leave_days>},
    TagEntry{"worker_duty_dayoff_qty", "prac_ile_dyz_wol", summary_count<duties_and_leave_days>},
    TagEntry{"worker_d_sum", "prac_suma_d", summary_time<d>},
    TagEntry{"worker_n_sum", "prac_suma_n", summary_time<n>},
    TagEntry{"worker_n_sum_quantity", "prac_suma_n_ilosc", nights},
    TagEntry{"worker_h_sum", "prac_suma_s", summary_time<s>},
    TagEntry{"worker_sa_sum", "prac_suma_so", summary_time<saturday>},
    TagEntry{"worker_d_wo_sa_sum", "prac_suma_d_bez_so", summary_time<d_without_saturday>},
    TagEntry{"worker_ot1_sum", "prac_suma_g1", summary_time<ot50>},
    TagEntry{"worker_ot2_sum", "prac_suma_g2", summary_time<ot100>},
    TagEntry{"worker_ot_sum", "prac_suma_gn", summary_time<ot>},
    TagEntry{"worker_ab_sum", "prac_suma_ab", summary_time<leave>},
    TagEntry{"worker_duty_sum", "prac_suma_dyzur", summary_time<duty_sum>},
    TagEntry{"worker_duty_sum_wo", "prac_suma_dyzur_bn", summary_time<dns>},
    TagEntry{"worker_all_sum", "prac_suma_wypr", summary_time<all_sum>},
    TagEntry{"worker_all_sum_wo", "prac_suma_wypr_bn", summary_time<all_sum_wo>},
    TagEntry{"worker_normative", "prac_normatyw", summary_time<norm>},
    TagEntry{"worker_normative_wd", "prac_normatyw_bu", summary_time<norm_wd>},
    TagEntry{"worker_normative_wo", "prac_normatyw_bn", summary_time<norm_wo>},
    TagEntry{"worker_diffrence_normative", "prac_roznica_normatyw", summary_time<diff_group>},
    TagEntry{"worker_diffrence_worker_normative", "prac_roznica_normatyw_pracownika",
             summary_time<diff_own>},
    TagEntry{"worker_diffrence_worker_normative_wo", "prac_roznica_normatyw_pracownika_bn",
             summary_time<diff_own_wo>},
    TagEntry{"worker_diffrence_worker_normative_wd", "prac_roznica_normatyw_pracownika_bu",
             summary_time<diff_own_wd>},
    TagEntry{"n1_day_symbol", "1n_dzien_symbol", next_month_symbol},
    TagEntry{"n1_day_d_quantity", "1n_dzien_ile_d", next_month_minutes<&DaySummary::shown_minutes>},
    TagEntry{"n1_day_d_qty", "", next_month_minutes<&DaySummary::shown_minutes>},
    TagEntry{"n1_day_n_quantity", "1n_dzien_ile_n", next_month_minutes<&DaySummary::night_minutes>},
    TagEntry{"n1_day_n_qty", "", next_month_minutes<&DaySummary::night_minutes>},
};

}  // namespace

std::span<const TagEntry> worker_summary_tags() {
    return kWorkerSummary;
}

}  // namespace tabrel
