// The icons and bitmaps named by the language-neutral script: each id has a file of the
// size and depth its users expect.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "tests/resources/ResourceFiles.h"

namespace rc {
namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::uint32_t U32(const std::string& d, std::size_t at) {
  if (at + 4 > d.size()) return 0;
  return static_cast<std::uint8_t>(d[at]) | static_cast<std::uint8_t>(d[at + 1]) << 8 |
         static_cast<std::uint8_t>(d[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(d[at + 3])) << 24;
}
unsigned U16(const std::string& d, std::size_t at) {
  if (at + 2 > d.size()) return 0;
  return static_cast<std::uint8_t>(d[at]) | static_cast<std::uint8_t>(d[at + 1]) << 8;
}
int Byte(const std::string& d, std::size_t at) {
  return at < d.size() ? static_cast<std::uint8_t>(d[at]) : -1;
}

// A bitmap file: its header fields and its pixels as colours.
struct Bitmap {
  bool valid = false;
  int width = 0, height = 0, bpp = 0;
  std::vector<Rgb> palette;
  std::vector<Rgb> pixels;  // top row first
  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Bitmap ReadBitmap(const std::string& d) {
  Bitmap b;
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M' || U32(d, 14) != 40 || U32(d, 30) != 0)
    return b;
  b.width = static_cast<int>(U32(d, 18));
  b.height = static_cast<int>(U32(d, 22));
  b.bpp = static_cast<int>(U16(d, 28));
  std::size_t offset = U32(d, 10);
  if (b.bpp == 8) {
    std::size_t colours = U32(d, 46) ? U32(d, 46) : 256;
    for (std::size_t i = 0; i < colours; ++i) {
      std::size_t at = 54 + 4 * i;
      b.palette.push_back({Byte(d, at + 2), Byte(d, at + 1), Byte(d, at)});
    }
  } else if (b.bpp != 24) {
    return b;
  }
  std::size_t stride = (static_cast<std::size_t>(b.width) * (b.bpp / 8) + 3) & ~std::size_t(3);
  if (offset + stride * static_cast<std::size_t>(b.height) > d.size()) return b;
  for (int y = 0; y < b.height; ++y) {
    std::size_t row = offset + stride * static_cast<std::size_t>(b.height - 1 - y);
    for (int x = 0; x < b.width; ++x) {
      if (b.bpp == 24) {
        std::size_t at = row + 3 * static_cast<std::size_t>(x);
        b.pixels.push_back({Byte(d, at + 2), Byte(d, at + 1), Byte(d, at)});
      } else {
        std::size_t index = static_cast<std::size_t>(Byte(d, row + static_cast<std::size_t>(x)));
        if (index >= b.palette.size()) return b;
        b.pixels.push_back(b.palette[index]);
      }
    }
  }
  b.valid = true;
  return b;
}

// Sizes and depths of the images of an icon file.
std::set<std::pair<int, int>> IconImages(const std::string& d) {
  std::set<std::pair<int, int>> images;
  if (U16(d, 0) != 0 || U16(d, 2) != 1) return images;
  for (unsigned i = 0; i < U16(d, 4); ++i) {
    std::size_t at = 6 + 16 * i;
    int size = Byte(d, at) == 0 ? 256 : Byte(d, at);
    std::uint32_t bytes = U32(d, at + 8), offset = U32(d, at + 12);
    if (offset + bytes > d.size() || Byte(d, at) != Byte(d, at + 1)) continue;
    images.insert({size, static_cast<int>(U16(d, at + 6))});
  }
  return images;
}

// id -> file of every ICON and BITMAP line of Quorvane.rc.
std::map<long, std::string> ArtFiles(std::vector<std::string>& problems) {
  std::map<long, std::string> files;
  std::istringstream in(ReadSourceFile("resources/Quorvane.rc"));
  std::string line;
  const std::regex statement(R"(^\s*(\w+)\s+(ICON|BITMAP)\s+"([^"]+)\")");
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_search(line, m, statement)) continue;
    auto it = Ids().values.find(m[1]);
    if (it == Ids().values.end()) {
      problems.push_back("unknown id " + m[1].str());
      continue;
    }
    if (files.count(it->second)) problems.push_back("id used twice: " + m[1].str());
    files[it->second] = m[3];
  }
  return files;
}

std::string Art(long id) {
  std::vector<std::string> problems;
  std::map<long, std::string> files = ArtFiles(problems);
  return files.count(id) ? ReadSourceFile("resources/" + files[id]) : std::string();
}

long Id(const char* name) { return Ids().values.at(name); }

TEST(Art, EveryIconAndBitmapIdHasAFile) {
  std::vector<std::string> problems;
  std::map<long, std::string> files = ArtFiles(problems);
  for (const std::string& p : problems) ADD_FAILURE() << p;
  for (const std::string& name : Ids().order) {
    if (name.rfind("IDI_", 0) != 0 && name.rfind("IDB_", 0) != 0) continue;
    long id = Ids().values.at(name);
    ASSERT_TRUE(files.count(id)) << name << " has no resource";
    EXPECT_FALSE(ReadSourceFile("resources/" + files[id]).empty()) << files[id] << " missing";
  }
}

TEST(Art, ScriptIncludesBothLanguagesAndTheManifest) {
  std::string script = ReadSourceFile("resources/Quorvane.rc");
  EXPECT_NE(script.find("#include \"en.rc\""), std::string::npos);
  EXPECT_NE(script.find("#include \"fr.rc\""), std::string::npos);
  EXPECT_NE(script.find("1 24 \"Quorvane.exe.manifest\""), std::string::npos);
  EXPECT_NE(script.find("VERSIONINFO"), std::string::npos);
}

TEST(Art, IconsHoldTheSizesTheShellAndTheTrayAsk) {
  std::set<std::pair<int, int>> large = IconImages(Art(Id("IDI_LARGE")));
  EXPECT_TRUE(large.count({32, 32}));
  EXPECT_TRUE(large.count({16, 32}));
  std::set<std::pair<int, int>> small = IconImages(Art(Id("IDI_SMALL")));
  EXPECT_TRUE(small.count({16, 32}));
  EXPECT_TRUE(small.count({32, 32}));
}

TEST(Art, TreeStripHoldsSixImagesOnTheTreeBackground) {
  Bitmap strip = ReadBitmap(Art(Id("IDB_TREE_IMAGES")));
  ASSERT_TRUE(strip.valid);
  EXPECT_EQ(strip.width, 6 * 18);
  EXPECT_EQ(strip.height, 18);
  EXPECT_EQ(strip.bpp, 24);
  const Rgb background{220, 227, 245};
  for (int image = 0; image < 6; ++image) {
    int drawn = 0;
    for (int y = 0; y < 18; ++y)
      for (int x = 0; x < 18; ++x) {
        Rgb p = strip.At(image * 18 + x, y);
        EXPECT_FALSE(p == (Rgb{255, 0, 255})) << "magenta in image " << image;
        drawn += !(p == background);
      }
    EXPECT_GT(drawn, 40) << "image " << image << " is nearly empty";
  }
  EXPECT_TRUE(strip.At(0, 0) == background);
}

TEST(Art, PictureButtonsKeepTheGreyThatTheLoaderMaps) {
  // LR_LOADMAP3DCOLORS swaps greys in a colour table only: the buttons need one, with the
  // light grey as background and no other pixel in one of the three mapped greys.
  const Rgb mapped[3] = {{128, 128, 128}, {192, 192, 192}, {223, 223, 223}};
  for (const char* name : {"IDB_BUTTON_BROWSER", "IDB_BUTTON_CLOSE_OWN", "IDB_BUTTON_CLOSE_ALL",
                           "IDB_BUTTON_BROWSE", "IDB_BUTTON_PLAY"}) {
    Bitmap b = ReadBitmap(Art(Id(name)));
    ASSERT_TRUE(b.valid) << name;
    EXPECT_EQ(b.width, 16) << name;
    EXPECT_EQ(b.height, 16) << name;
    EXPECT_EQ(b.bpp, 8) << name;
    EXPECT_TRUE(b.At(0, 0) == (Rgb{192, 192, 192})) << name;
    int background = 0;
    for (const Rgb& p : b.pixels) background += p == (Rgb{192, 192, 192});
    EXPECT_GT(background, 10) << name;
    EXPECT_LT(background, 200) << name << " is nearly empty";
    int mappedEntries = 0;
    for (const Rgb& p : b.palette)
      for (const Rgb& m : mapped) mappedEntries += p == m;
    EXPECT_EQ(mappedEntries, 1) << name;
  }
}

TEST(Art, PinFacesFitTheSmallCaptionButtonOnItsMappedGrey) {
  // Centred in a push-button frame of the smallest caption size (15 pixels, 2 of frame each
  // side); the light grey is the one the loader can map to the button face.
  const Rgb mapped[3] = {{128, 128, 128}, {192, 192, 192}, {223, 223, 223}};
  Bitmap off = ReadBitmap(Art(Id("IDB_PIN_OFF")));
  Bitmap on = ReadBitmap(Art(Id("IDB_PIN_ON")));
  ASSERT_TRUE(off.valid);
  ASSERT_TRUE(on.valid);
  for (const Bitmap* b : {&off, &on}) {
    EXPECT_LE(b->width, 11);
    EXPECT_LE(b->height, 11);
    EXPECT_EQ(b->bpp, 8);
    EXPECT_TRUE(b->At(0, 0) == (Rgb{192, 192, 192}));
    EXPECT_TRUE(b->At(b->width - 1, b->height - 1) == (Rgb{192, 192, 192}));
    int mappedEntries = 0;
    for (const Rgb& p : b->palette)
      for (const Rgb& m : mapped) mappedEntries += p == m;
    EXPECT_EQ(mappedEntries, 1);
  }
  ASSERT_EQ(on.pixels.size(), off.pixels.size());
  int different = 0;
  for (std::size_t i = 0; i < on.pixels.size(); ++i) different += !(on.pixels[i] == off.pixels[i]);
  EXPECT_GT(different, 20) << "on and off look alike";
}

TEST(Art, TabFootUsesOnlyTheSkinColoursAndStaysLeftOfTheTabText) {
  // Copied at the tab's left edge (x 5); the tab text starts at x 15.
  Bitmap foot = ReadBitmap(Art(Id("IDB_TAB_PICTURE")));
  ASSERT_TRUE(foot.valid);
  EXPECT_EQ(foot.bpp, 24);
  EXPECT_LE(foot.width, 10);
  ASSERT_GE(foot.height, 6);
  const Rgb panel{220, 227, 245}, outline{128, 128, 128}, face{30, 143, 255};
  for (const Rgb& p : foot.pixels) EXPECT_TRUE(p == panel || p == outline || p == face);
  EXPECT_TRUE(foot.At(0, 0) == panel) << "the tab's light outline";
  EXPECT_TRUE(foot.At(1, 0) == face);
  EXPECT_TRUE(foot.At(0, foot.height - 1) == outline) << "the panel's edge";
  EXPECT_TRUE(foot.At(foot.width - 1, foot.height - 1) == panel);
}

TEST(Art, CheckMarksAreMenuSizedAndDiffer) {
  Bitmap on = ReadBitmap(Art(Id("IDB_CHECK_ON")));
  Bitmap off = ReadBitmap(Art(Id("IDB_CHECK_OFF")));
  ASSERT_TRUE(on.valid);
  ASSERT_TRUE(off.valid);
  for (const Bitmap* b : {&on, &off}) {
    EXPECT_EQ(b->width, 13);
    EXPECT_EQ(b->height, 13);
    EXPECT_EQ(b->bpp, 24);
  }
  int different = 0;
  for (std::size_t i = 0; i < on.pixels.size() && i < off.pixels.size(); ++i)
    different += !(on.pixels[i] == off.pixels[i]);
  EXPECT_GT(different, 10) << "the checked mark shows no check";
}

}  // namespace
}  // namespace rc
