#include "crown/tip_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <limits>
#include <vector>

#include "support/temporary_directory.h"

namespace plant {
namespace {

class TipStoreTest : public ::testing::Test {
 protected:
  testing::TemporaryDirectory temporary;
  ScratchDirectory directory = ScratchDirectory::UseExisting(RealFileSystem(), temporary.path());
  TipStore store{RealFileSystem(), directory};
};

TEST_F(TipStoreTest, FirstRecordOfAnAbsentFileIsTenBytes) {
  store.WriteRecord(ScratchFile::kX1, 1, 1.5);
  const std::vector<unsigned char> expected = {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F};
  EXPECT_EQ(temporary.Read("VELMX1.VBP"), expected);
}

TEST_F(TipStoreTest, WritesInPlaceWithoutTruncatingAndExtendsByOneRecord) {
  for (int record = 1; record <= 32; ++record) store.WriteRecord(ScratchFile::kY1, record, record);
  std::vector<unsigned char> before = temporary.Read("VELMY1.VBP");
  ASSERT_EQ(before.size(), 320u);
  store.WriteRecord(ScratchFile::kY1, 2, -7.25);
  std::vector<unsigned char> after = temporary.Read("VELMY1.VBP");
  ASSERT_EQ(after.size(), 320u);
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (i < 10 || i >= 20) {
      EXPECT_EQ(after[i], before[i]) << "byte " << i;
    }
  }
  EXPECT_EQ(store.ReadRecord(ScratchFile::kY1, 2), -7.25);

  store.WriteRecord(ScratchFile::kX2, 1, 0);
  store.WriteRecord(ScratchFile::kX2, 2, 0);
  store.WriteRecord(ScratchFile::kX2, 3, 0);
  EXPECT_EQ(temporary.Read("VELMX2.VBP").size(), 30u);
}

TEST_F(TipStoreTest, ReadsBackEveryBit) {
  const double values[] = {-0.0, -3.25e-300, 3800.123456789, std::numeric_limits<double>::denorm_min(), -1e308};
  int record = 1;
  for (double value : values) store.WriteRecord(ScratchFile::kX1, record++, value);
  record = 1;
  for (double value : values) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(store.ReadRecord(ScratchFile::kX1, record++)), std::bit_cast<std::uint64_t>(value));
  }
}

TEST_F(TipStoreTest, TipsKeepTheirRecordNumberInBothFiles) {
  for (int record = 1; record <= 3; ++record) store.StoreTip(TipSet::kTipSet2, record, {record * 1.0, record * -1.0});
  const std::vector<unsigned char> x = temporary.Read("VELMX2.VBP");
  store.StoreTip(TipSet::kTipSet2, 4, {3812.5, 2011.75});
  const Tip tip = store.LoadTip(TipSet::kTipSet2, 4);
  EXPECT_EQ(tip.x, 3812.5);
  EXPECT_EQ(tip.y, 2011.75);
  const std::vector<unsigned char> xAfter = temporary.Read("VELMX2.VBP");
  EXPECT_TRUE(std::equal(x.begin(), x.end(), xAfter.begin())) << "records 1 to 3 untouched";
  EXPECT_EQ(store.LoadTip(TipSet::kTipSet2, 2).y, -2.0);
}

TEST_F(TipStoreTest, DeletesTheFourFilesAndRefusesFilesItDidNotMake) {
  store.StoreTip(TipSet::kTipSet1, 1, {1, 2});
  store.StoreTip(TipSet::kTipSet2, 1, {3, 4});
  store.DeleteFiles();
  EXPECT_TRUE(temporary.Entries().empty());

  // A file already there is not ours: it is neither overwritten nor deleted.
  std::ofstream(temporary.File("VELMX1.VBP")) << "someone else's";
  TipStore another(RealFileSystem(), directory);
  EXPECT_THROW(another.StoreTip(TipSet::kTipSet1, 1, {1, 2}), ScratchFileError);
  EXPECT_EQ(temporary.Entries().size(), 1u);
}

TEST_F(TipStoreTest, ReadsThatCannotBeAnsweredAreErrors) {
  EXPECT_THROW(store.ReadRecord(ScratchFile::kX1, 1), ScratchFileError);  // nothing written yet
  store.WriteRecord(ScratchFile::kX1, 1, 2.0);
  EXPECT_THROW(store.ReadRecord(ScratchFile::kX1, 2), ScratchFileError);  // past the end
  EXPECT_THROW(store.WriteRecord(ScratchFile::kX1, 0, 2.0), ScratchFileError);
}

}  // namespace
}  // namespace plant
