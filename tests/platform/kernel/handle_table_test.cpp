#include "platform/kernel/handle_table.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace platform {
namespace {

struct Thing {
  int value;
};

TEST(HandleTable, IssuesNonZeroHandlesOfItsKindThatFindTheirObject) {
  HandleTable<Thing> table(HandleKind::Pen);
  const Handle a = table.Insert(std::make_shared<Thing>(Thing{1}));
  const Handle b = table.Insert(std::make_shared<Thing>(Thing{2}));
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(KindOf(a), HandleKind::Pen);
  EXPECT_EQ(table.Find(a)->value, 1);
  EXPECT_EQ(table.Find(b)->value, 2);
  EXPECT_EQ(table.Size(), 2u);
  EXPECT_EQ(table.Insert(nullptr), 0u);
}

TEST(HandleTable, RejectsZeroStaleAndForeignHandles) {
  HandleTable<Thing> pens(HandleKind::Pen);
  HandleTable<Thing> brushes(HandleKind::Brush);
  const Handle pen = pens.Insert(std::make_shared<Thing>(Thing{1}));
  const Handle brush = brushes.Insert(std::make_shared<Thing>(Thing{2}));
  EXPECT_EQ(pens.Find(0), nullptr);
  EXPECT_EQ(pens.Find(brush), nullptr) << "a brush handle is no pen";
  EXPECT_EQ(pens.Find(pen + 1), nullptr) << "an index never issued";

  ASSERT_NE(pens.Remove(pen), nullptr);
  EXPECT_EQ(pens.Find(pen), nullptr) << "a deleted handle is stale";
  EXPECT_EQ(pens.Remove(pen), nullptr) << "a second delete fails";

  // The freed slot is reused under a new generation; the old handle stays dead.
  const Handle reused = pens.Insert(std::make_shared<Thing>(Thing{3}));
  EXPECT_NE(reused, pen);
  EXPECT_EQ(pens.Find(pen), nullptr);
  EXPECT_EQ(pens.Find(reused)->value, 3);
}

TEST(HandleTable, AnObjectOutlivesItsHandleWhileACallerHoldsIt) {
  HandleTable<Thing> table(HandleKind::Bitmap);
  const Handle h = table.Insert(std::make_shared<Thing>(Thing{7}));
  std::shared_ptr<Thing> held = table.Find(h);
  table.Remove(h);
  EXPECT_EQ(held->value, 7);
}

TEST(HandleTable, StaysConsistentUnderConcurrentUse) {
  HandleTable<Thing> table(HandleKind::Region);
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        const int value = t * 100000 + i;
        const Handle h = table.Insert(std::make_shared<Thing>(Thing{value}));
        auto found = table.Find(h);
        if (!found || found->value != value) ++mismatches;
        if (!table.Remove(h) || table.Find(h)) ++mismatches;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(mismatches.load(), 0);
  EXPECT_EQ(table.Size(), 0u);
}

}  // namespace
}  // namespace platform
