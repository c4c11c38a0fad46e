// Open charts finding their clients again after records moved.
#include "app/chart_repoint.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

ClientList ListOfIds(std::initializer_list<int> ids) {
    ClientList list;
    for (int id : ids) {
        tagUserInfo r;
        r.id = id;
        list.push_back(r);
    }
    return list;
}

TEST(RepointClientIndex, DeletionBeforeTheChartShiftsItDown) {
    // Before: ids 10 11 12 13 14 15 16 17; positions 1, 4 and 6 deleted.
    const ClientList now = ListOfIds({10, 12, 13, 15, 17});
    EXPECT_EQ(RepointClientIndex(0, 10, {1, 4, 6}, now), 0);
    EXPECT_EQ(RepointClientIndex(2, 12, {1, 4, 6}, now), 1);
    EXPECT_EQ(RepointClientIndex(5, 15, {1, 4, 6}, now), 3);
    EXPECT_EQ(RepointClientIndex(7, 17, {1, 4, 6}, now), 4);
}

TEST(RepointClientIndex, AChartWhoseRecordWasDeletedBecomesUnstored) {
    const ClientList now = ListOfIds({10, 12});
    EXPECT_EQ(RepointClientIndex(1, 11, {1}, now), -1);
    EXPECT_EQ(RepointClientIndex(-1, 11, {}, now), -1);
}

TEST(RepointClientIndex, AMovedRecordIsFoundByItsNumber) {
    // The list was re-read in another order: the shifted position holds someone else.
    const ClientList now = ListOfIds({30, 20, 10});
    EXPECT_EQ(RepointClientIndex(0, 10, {}, now), 2);
    EXPECT_EQ(RepointClientIndex(2, 30, {}, now), 0);
    EXPECT_EQ(RepointClientIndex(1, 99, {}, now), -1);
}

TEST(RepointClientIndex, SeveralRecordsWithTheNumberTakeTheNearest) {
    const ClientList now = ListOfIds({5, 1, 1, 7, 1});
    EXPECT_EQ(RepointClientIndex(4, 1, {}, now), 4);
    EXPECT_EQ(RepointClientIndex(3, 1, {}, now), 2);
}

TEST(RepointClientIndex, PositionsPastTheEndAreNotRead) {
    const ClientList now = ListOfIds({1});
    EXPECT_EQ(RepointClientIndex(5, 1, {}, now), 0);
    EXPECT_EQ(RepointClientIndex(5, 2, {}, now), -1);
    EXPECT_EQ(RepointClientIndex(0, 1, {}, {}), -1);
}

TEST(ClientStillAt, ChecksPositionAndNumber) {
    const ClientList list = ListOfIds({3, 4});
    EXPECT_TRUE(ClientStillAt(list, 1, 4));
    EXPECT_FALSE(ClientStillAt(list, 1, 3));
    EXPECT_FALSE(ClientStillAt(list, 2, 4));
    EXPECT_FALSE(ClientStillAt(list, -1, 3));
}

} // namespace
} // namespace zelk
