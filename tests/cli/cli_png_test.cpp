// zelk-cli png: a well-formed 1024 x 1024 24-bit PNG file, the ".png" the path
// gains, the same picture for the same chart, failed writes and refused births.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zelk::testing {
namespace {

namespace fs = std::filesystem;

uint32_t BigEndian32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// The CRC-32 a PNG chunk carries over its type and data.
uint32_t Crc32(const std::string& bytes, size_t from, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < from + length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

struct PngChunk {
    std::string type;
    size_t data = 0; // offset of the data in the file
    uint32_t length = 0;
};

// The chunks of a PNG file; a failure when the signature, a length or a CRC is
// wrong, or when anything is missing or follows IEND.
std::vector<PngChunk> PngChunks(const std::string& bytes) {
    std::vector<PngChunk> chunks;
    const std::string signature = "\x89PNG\r\n\x1a\n";
    if (bytes.compare(0, signature.size(), signature) != 0) {
        ADD_FAILURE() << "no PNG signature";
        return chunks;
    }
    size_t at = signature.size();
    while (at + 12 <= bytes.size()) {
        PngChunk chunk;
        chunk.length = BigEndian32(bytes, at);
        chunk.type = bytes.substr(at + 4, 4);
        chunk.data = at + 8;
        if (chunk.data + chunk.length + 4 > bytes.size()) {
            ADD_FAILURE() << chunk.type << " runs past the end of the file";
            return chunks;
        }
        EXPECT_EQ(BigEndian32(bytes, chunk.data + chunk.length),
                  Crc32(bytes, at + 4, chunk.length + 4))
            << "CRC of " << chunk.type;
        chunks.push_back(chunk);
        at = chunk.data + chunk.length + 4;
        if (chunk.type == "IEND") break;
    }
    EXPECT_EQ(at, bytes.size()) << "bytes after IEND or a cut chunk";
    return chunks;
}

struct PngFolder {
    TempDir dir;
    std::string data = (dir.path() / "data").string();
    PngFolder() { fs::create_directory(dir.path() / "data"); }
    std::string file(const std::string& name) const { return (dir.path() / name).string(); }

    CliResult png(const std::string& output, std::vector<std::string> birth = {},
                  std::vector<std::string> more = {}) const {
        if (birth.empty()) birth = {"--solar", "1980-05-12", "--hour", "4", "--sex", "M"};
        std::vector<std::string> args = {"png", "-o", output};
        args.insert(args.end(), birth.begin(), birth.end());
        args.insert(args.end(), more.begin(), more.end());
        args.insert(args.end(), {"--now", "2026-12-09 10:30", "--data-dir", data});
        return RunCli(args);
    }
};

TEST(CliPng, WritesAWellFormed1024By1024RgbPicture) {
    PngFolder f;
    const std::string out = f.file("chart.png");
    const auto r = f.png(out);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\"png\":\"" + out + "\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("圖檔寫入完成"), std::string::npos) << r.out;

    const std::string bytes = ReadWhole(out);
    const auto chunks = PngChunks(bytes);
    ASSERT_GE(chunks.size(), 3u);
    const PngChunk& header = chunks.front();
    ASSERT_EQ(header.type, "IHDR");
    ASSERT_EQ(header.length, 13u);
    EXPECT_EQ(BigEndian32(bytes, header.data), 1024u);     // width
    EXPECT_EQ(BigEndian32(bytes, header.data + 4), 1024u); // height
    EXPECT_EQ(bytes[header.data + 8], 8);                  // bits per sample
    EXPECT_EQ(bytes[header.data + 9], 2);                  // RGB, no alpha, no palette
    EXPECT_EQ(bytes[header.data + 12], 0);                 // not interlaced
    EXPECT_EQ(chunks.back().type, "IEND");
    size_t pictureBytes = 0;
    for (const auto& c : chunks)
        if (c.type == "IDAT") pictureBytes += c.length;
    // A whole chart compresses well, but not to nothing.
    EXPECT_GT(pictureBytes, 10'000u);
}

TEST(CliPng, TheSameChartGivesTheSamePictureAndTheNameIsDrawn) {
    PngFolder f;
    ASSERT_EQ(f.png(f.file("a.png")).status, 0);
    ASSERT_EQ(f.png(f.file("b.png")).status, 0);
    ASSERT_EQ(f.png(f.file("named.png"), {}, {"--name", "王小明"}).status, 0);
    ASSERT_EQ(
        f.png(f.file("other.png"), {"--solar", "1975-11-03", "--hour", "9", "--sex", "F"}).status,
        0);
    const std::string a = ReadWhole(f.file("a.png"));
    EXPECT_EQ(a, ReadWhole(f.file("b.png")));
    EXPECT_NE(a, ReadWhole(f.file("named.png")));
    EXPECT_NE(a, ReadWhole(f.file("other.png")));
}

TEST(CliPng, PathsWithoutTheExtensionGainIt) {
    PngFolder f;
    const auto plain = f.png(f.file("chart"));
    ASSERT_EQ(plain.status, 0) << plain.out << plain.err;
    EXPECT_NE(plain.out.find("\"png\":\"" + f.file("chart.png") + "\""), std::string::npos)
        << plain.out;
    EXPECT_TRUE(fs::exists(f.file("chart.png")));
    EXPECT_FALSE(fs::exists(f.file("chart")));

    // Another extension is kept and ".png" goes after it; capitals count as ".png".
    ASSERT_EQ(f.png(f.file("chart.jpg")).status, 0);
    EXPECT_TRUE(fs::exists(f.file("chart.jpg.png")));
    EXPECT_FALSE(fs::exists(f.file("chart.jpg")));
    ASSERT_EQ(f.png(f.file("UPPER.PNG")).status, 0);
    EXPECT_TRUE(fs::exists(f.file("UPPER.PNG")));
    EXPECT_FALSE(fs::exists(f.file("UPPER.PNG.png")));
}

TEST(CliPng, AFailedWriteIsAnErrorAndLeavesWhatWasThere) {
    PngFolder f;
    // A plain file where a folder should be: no one can write below it.
    const std::string blocker = f.file("blocker");
    ASSERT_EQ(f.png(blocker).status, 0);
    const std::string blockerBytes = ReadWhole(blocker + ".png");
    for (const std::string& out :
         {blocker + ".png/chart.png", f.file("missing/folder/chart.png")}) {
        SCOPED_TRACE(out);
        const auto r = f.png(out);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.out.find("\"error\":\"匯出失敗"), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(ReadWhole(blocker + ".png"), blockerBytes);

    // A folder of the same name is not replaced by the picture.
    fs::create_directory(f.file("taken.png"));
    const auto taken = f.png(f.file("taken.png"));
    EXPECT_EQ(taken.status, 1) << taken.out;
    EXPECT_TRUE(fs::is_directory(f.file("taken.png")));
}

TEST(CliPng, RefusedBirthsAndCommandLinesWriteNothing) {
    PngFolder f;
    const std::string out = f.file("chart.png");
    // Outside the calendar's table: an error answer.
    for (const std::vector<std::string>& birth :
         {std::vector<std::string>{"--solar", "1850-06-01", "--hour", "3", "--sex", "M"},
          {"--solar", "2100-03-01", "--hour", "0", "--sex", "F"},
          {"--solar", "2023-02-29", "--hour", "0", "--sex", "M"}}) {
        SCOPED_TRACE(birth[1]);
        const auto r = f.png(out, birth);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.out.find("\"error\":"), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(out));
    }
    // Malformed values and missing parts: a usage error.
    for (const std::vector<std::string>& birth :
         {std::vector<std::string>{"--solar", "1980-05-12", "--hour", "13", "--sex", "M"},
          {"--solar", "1980-05-12", "--hour", "4", "--sex", "X"},
          {"--hour", "4", "--sex", "M"}}) {
        SCOPED_TRACE(birth[1]);
        const auto r = f.png(out, birth);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(out));
    }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"png", "--solar", "1980-05-12", "--hour", "4", "--sex", "M"},
          {"png", "-o", "", "--solar", "1980-05-12", "--hour", "4", "--sex", "M"},
          {"png", "-o"}}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << r.out;
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
} // namespace zelk::testing
