#include "printouts/fragment_list.h"

#include "i18n/cp1250.h"
#include "printouts/law_block.h"
#include "printouts/template_error.h"
#include "printouts/worker_order.h"

namespace tabrel {

namespace {

// More lines than any ward's printout needs; a template nesting blocks past it is refused
// rather than filling the memory.
constexpr size_t kMaxFragments = 2'000'000;

class Replicator {
public:
    explicit Replicator(const GenerationContext& ctx) : ctx_(ctx) {}

    void level(const std::vector<BlockNode>& nodes, int depth, const std::string& parent_kind) {
        for (const BlockNode& node : nodes) repeat(node, depth, parent_kind);
    }

    std::vector<Fragment> take() { return std::move(out_); }

private:
    void repeat(const BlockNode& node, int depth, const std::string& parent_kind) {
        const std::vector<int> workers =
            node.kind == "worker" ? worker_order(node, parent_kind) : std::vector<int>{};
        const int count = repetitions(node, workers);
        for (int k = 0; k < count; ++k) {
            Fragment f{&node, depth, {}, false};
            set_index(f.at, node.kind, k, workers);
            if (depth > 0 && !out_.empty()) inherit(f.at, out_.back().at);
            f.skipped = node.kind == "overt" && !has_overtime(f.at);
            if (out_.size() >= kMaxFragments)
                throw TemplateError(
                    cp("Wydruk byłby zbyt duży: bloki szablonu powtarzają się "
                       "zbyt wiele razy."));
            out_.push_back(f);
            if (!f.skipped) level(node.children, depth + 1, node.kind);
        }
    }

    int repetitions(const BlockNode& node, const std::vector<int>& workers) const {
        const std::string& kind = node.kind;
        if (kind == "day" || kind == "overt") return ctx_.roster.month_days();
        if (kind == "worker") return static_cast<int>(workers.size());
        if (kind == "shift") {
            const Group* group = ctx_.roster.current();
            return group == nullptr ? 0 : static_cast<int>(group->profile.shifts.size());
        }
        if (kind == "group") return static_cast<int>(ctx_.group_list.size());
        if (kind == "law") return static_cast<int>(block_findings(ctx_).size());
        return 1;
    }

    void set_index(FragmentContext& at, const std::string& kind, int k,
                   const std::vector<int>& workers) const {
        const auto index = static_cast<int16_t>(k);
        if (kind == "day" || kind == "overt") at.day = index;
        if (kind == "shift") at.shift = index;
        if (kind == "group") at.group = index;
        if (kind == "worker") at.worker = static_cast<int16_t>(workers[static_cast<size_t>(k)]);
        if (kind == "law") {
            // The finding's worker, so that the worker tags name him.
            at.finding = k;
            const uint16_t id = block_findings(ctx_)[static_cast<size_t>(k)].worker_id;
            at.worker = static_cast<int16_t>(ctx_.roster.worker_index(id));
        }
    }

    static void inherit(FragmentContext& at, const FragmentContext& before) {
        if (at.day < 0) at.day = before.day;
        if (at.worker < 0) at.worker = before.worker;
        if (at.shift < 0) at.shift = before.shift;
        if (at.group < 0) at.group = before.group;
        if (at.finding < 0) at.finding = before.finding;
    }

    std::vector<int> worker_order(const BlockNode& node, const std::string& parent_kind) const {
        switch (worker_sort(node.attributes)) {
            case WorkerSort::Name:
                return workers_by_name(ctx_.roster, ctx_.worker_list);
            case WorkerSort::DutyFrom:
                if (parent_kind != "day") break;
                return workers_by_duty_from(ctx_.roster, ctx_.worker_list,
                                            out_.empty() ? -1 : out_.back().at.day);
            case WorkerSort::List:
                break;
        }
        return ctx_.worker_list;
    }

    // The worker unset is the selected one, as the filling will take it.
    bool has_overtime(const FragmentContext& at) const {
        const int worker = at.worker >= 0 ? at.worker : ctx_.selected_worker;
        if (worker < 0 || static_cast<size_t>(worker) >= ctx_.roster.workers.size()) return false;
        if (at.day < 0 || at.day >= kMonthSlots) return false;
        const Duty& duty = ctx_.roster.workers[static_cast<size_t>(worker)].duties[at.day];
        return duty.seq != 0 && duty.overtime != 0;
    }

    const GenerationContext& ctx_;
    std::vector<Fragment> out_;
};

}  // namespace

std::vector<Fragment> gen_drzewo_replikator(const BlockTree& level, const GenerationContext& ctx) {
    Replicator replicator(ctx);
    replicator.level(level, 0, "");
    return replicator.take();
}

}  // namespace tabrel
