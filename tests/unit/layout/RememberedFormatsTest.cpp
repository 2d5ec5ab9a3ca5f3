#include "layout/core/RememberedFormats.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(RememberedFormats, EachFileKeepsItsFormatMostRecentFirst)
{
    DataFormat ebcdic;
    ebcdic.encoding = "IBM1047";
    ebcdic.sign = SignConvention::Ebcdic;
    ebcdic.records = RecordFormat::Rdw;
    ebcdic.nativeOrder = ByteOrder::LittleEndian;
    ebcdic.floats = FloatFormat::IbmHex;
    RememberedFormats remembered;
    remembered.remember("/data/a.dat", DataFormat{});
    remembered.remember("/data/b c.dat", ebcdic);
    EXPECT_EQ(remembered.text(),
              "encoding=IBM1047 sign=ebcdic records=rdw order=big native=little floats=ibm\t/data/b c.dat\n"
              "encoding=ASCII sign=mf records=fixed order=big native=big floats=ieee\t/data/a.dat\n");
    const RememberedFormats read = RememberedFormats::parse(remembered.text());
    EXPECT_EQ(read.find("/data/b c.dat"), ebcdic);
    EXPECT_EQ(read.find("/data/a.dat"), DataFormat{});
    EXPECT_EQ(read.find("/data/none.dat"), std::nullopt);
}

TEST(RememberedFormats, DamagedLinesArePassedOver)
{
    const RememberedFormats read = RememberedFormats::parse(
        "garbage\n"
        "encoding=IBM9999 sign=mf records=fixed order=big native=big floats=ieee\t/x.dat\n"
        "encoding=ASCII sign=mf records=fixed order=big\t/short.dat\n"
        "\x01\x02\t\n"
        "encoding=ASCII sign=overpunch records=lines order=little native=little floats=ieee\t/good.dat\r\n");
    EXPECT_EQ(read.size(), 1u);
    ASSERT_TRUE(read.find("/good.dat"));
    EXPECT_EQ(read.find("/good.dat")->sign, SignConvention::Overpunch);
    EXPECT_EQ(read.find("/good.dat")->records, RecordFormat::LineSequential);
}

TEST(RememberedFormats, OnlyTheMostRecentFilesAreKept)
{
    RememberedFormats remembered;
    for (std::size_t i = 0; i < RememberedFormats::kMaxFiles + 5; ++i)
        remembered.remember("/f" + std::to_string(i), DataFormat{});
    EXPECT_EQ(remembered.size(), RememberedFormats::kMaxFiles);
    EXPECT_TRUE(remembered.find("/f" + std::to_string(RememberedFormats::kMaxFiles + 4)));
    EXPECT_FALSE(remembered.find("/f0"));
}
