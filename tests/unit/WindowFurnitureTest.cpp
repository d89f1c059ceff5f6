// The calculator window's furniture that needs no window: where the banner
// files and the user guide are looked for, and the About box's two figures
// as the string table formats them.

#include "calc/AboutDlg.h"
#include "calc/BannerPath.h"
#include "platform/application/UserGuide.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

TEST(BannerPath, JoinsTheDirectoryAndTheNameWithOneSlash)
{
    struct Case {
        std::optional<CString> directory;
        const char* file;
        const char* path;
    };
    const Case cases[] = {
        {CString("/home/ann"), "banner1.avi", "/home/ann/banner1.avi"},
        {CString("/ab"), "banner2.avi", "/ab/banner2.avi"},  // short, still no slash of its own
        {CString("/"), "banner1.avi", "/banner1.avi"},       // the root: no doubled slash
        {CString("/tmp/with blank"), "banner1.avi", "/tmp/with blank/banner1.avi"},
        {std::nullopt, "banner1.avi", ""},  // the directory could not be read
    };
    for (const Case& c : cases)
        EXPECT_EQ(BannerPath(c.directory, c.file), c.path) << (c.directory ? *c.directory : "(none)");
}

// A program in a build tree, or installed into a prefix, finds its guide;
// share/doc, which a minimal system may leave out, is no place for it.
TEST(UserGuide, BesideTheProgramElseUnderItsPrefixShare)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("numbrix-guide-" + std::to_string(std::random_device{}()));
    fs::remove_all(root);
    const auto touch = [&](const char* relative) {
        const fs::path path = root / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "<html></html>";
        return fs::canonical(path).string();
    };
    for (const char* program : {"build/numbrix-calc", "prefix/bin/numbrix-calc", "prefix/bin/other",
                                "docs-only/bin/numbrix-calc", "both/bin/numbrix-calc"})
        touch(program);
    const std::string buildGuide = touch("build/numbrix-calc.html");
    const std::string prefixGuide = touch("prefix/share/numbrix-calc/numbrix-calc.html");
    touch("prefix/share/numbrix-calc/other.html");
    touch("docs-only/share/doc/numbrix-calc/numbrix-calc.html");
    touch("both/bin/numbrix-calc.html");
    touch("both/share/numbrix-calc/numbrix-calc.html");
    const std::pair<const char*, std::string> cases[] = {
        {"build/numbrix-calc", buildGuide},
        {"prefix/bin/numbrix-calc", prefixGuide},
        {"prefix/bin/other", ""},  // its guide would be share/other/other.html
        {"docs-only/bin/numbrix-calc", ""},
        {"both/bin/numbrix-calc", fs::canonical(root / "both/bin/numbrix-calc.html").string()},
        {"nowhere/bin/numbrix-calc", ""},
    };
    for (const auto& [program, guide] : cases)
        EXPECT_EQ(FindUserGuide((root / program).string()), guide) << program;
    fs::remove_all(root);
}

TEST(AboutFigures, KilobytesTruncatedInTheStringTableForms)
{
    EXPECT_EQ(MemoryFigureText(67108864ull), "65536 KB");
    EXPECT_EQ(MemoryFigureText(67108864ull + 1023), "65536 KB");
    // Beyond 4 GB the figure does not wrap.
    EXPECT_EQ(MemoryFigureText(16ull * 1024 * 1024 * 1024), "16777216 KB");
    EXPECT_EQ(MemoryFigureText(0), "0 KB");

    // 1048576 clusters of 8 sectors of 512 bytes: 4 GiB.
    EXPECT_EQ(DiskFigureText(1048576ull * 8 * 512, '/'), "4194304 KB Free on /:");
    EXPECT_EQ(DiskFigureText(1048576ull * 8 * 512, 'C'), "4194304 KB Free on C:");
    EXPECT_EQ(DiskFigureText(5ull * 1024 * 1024 * 1024 * 1024, '/'), "5368709120 KB Free on /:");
    EXPECT_EQ(DiskFigureText(std::nullopt, '/'), "Unavailable");
}

}  // namespace
