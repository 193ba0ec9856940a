#include <gtest/gtest.h>

#include "model/register_order.h"

using namespace tabrel;

namespace {

Roster three_workers() {
    Roster r;
    for (uint16_t id : {11, 12, 13}) {
        Worker w;
        w.id = id;
        w.duties[4].seq = static_cast<int16_t>(id);
        r.workers.push_back(w);
    }
    r.rebuild_worker_ids();
    return r;
}

std::vector<uint16_t> ids(const Roster& r) {
    std::vector<uint16_t> out;
    for (const Worker& w : r.workers) out.push_back(w.id);
    return out;
}

}  // namespace

TEST(RegisterOrder, WorkerMovesWithItsEntriesAndStaysSelected) {
    Roster r = three_workers();
    move_worker(r, 2, 0);
    EXPECT_EQ(ids(r), (std::vector<uint16_t>{13, 11, 12}));
    EXPECT_EQ(r.workers[0].duties[4].seq, 13);
    EXPECT_EQ(r.worker_ids, (std::vector<std::string>{"13", "11", "12"}));
    EXPECT_EQ(r.current_worker, 0);

    move_worker(r, 0, 2);
    EXPECT_EQ(ids(r), (std::vector<uint16_t>{11, 12, 13}));
    EXPECT_EQ(r.current_worker, 2);
}

TEST(RegisterOrder, MovesOutsideTheRegisterChangeNothing) {
    Roster r = three_workers();
    r.current_worker = 1;
    for (auto [from, to] : {std::pair{1, 1}, {-1, 0}, {0, 3}, {3, 0}}) move_worker(r, from, to);
    EXPECT_EQ(ids(r), (std::vector<uint16_t>{11, 12, 13}));
    EXPECT_EQ(r.current_worker, 1);
}

TEST(RegisterOrder, GroupMovedDownBecomesCurrent) {
    Roster r;
    for (uint16_t id : {1, 2, 3}) {
        Group g;
        g.id = id;
        r.groups.push_back(g);
    }
    move_group(r, 0, 1);
    EXPECT_EQ(r.groups[0].id, 2);
    EXPECT_EQ(r.groups[1].id, 1);
    EXPECT_EQ(r.groups[2].id, 3);
    EXPECT_EQ(r.current_group, 1);
}
