// The calculator window's furniture that needs no window: where the banner
// files are looked for, and the About box's two figures as the string table
// formats them.

#include "calc/AboutDlg.h"
#include "calc/BannerPath.h"

#include <gtest/gtest.h>

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
