// Where a help page opens: the copy beside the program as a file URL with its anchor, or the
// web site when the copy is missing.
#include "launcher/HelpPage.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/OptionRecord.h"

namespace {

TEST(HelpAddress, LocalCopyWhenPresentElseTheWebSite)
{
    struct Case {
        const char* folder;       // the program's folder, UTF-8
        const char* present;      // the one file that exists, "" for none
        const char* page;
        const char* anchor;
        int language;
        const char* expected;
    };
    const Case cases[] = {
        // Copy present, with and without anchor, in both languages.
        {"C:\\Quorvane\\", "C:\\Quorvane\\helpen\\options4.htm", "options4", "smtp", 2,
         "file:///C:/Quorvane/helpen/options4.htm#smtp"},
        {"C:\\Quorvane\\", "C:\\Quorvane\\helpfr\\index.htm", "index", "", 1, "file:///C:/Quorvane/helpfr/index.htm"},
        // The English copy does not stand in for the French page: the French web page opens.
        {"C:\\Quorvane\\", "C:\\Quorvane\\helpen\\index.htm", "index", "", 1, "http://www.quorvane.com/helpfr/index.htm"},
        {"C:\\Quorvane\\", "", "autoupdateexe", "found", 2, "http://www.quorvane.com/helpen/autoupdateexe.htm#found"},
        // Blanks, "#", "%" and non-ASCII letters of the folder are encoded; the drive's colon is not.
        {"C:\\Program Files (x86)\\Quorvane\\", "C:\\Program Files (x86)\\Quorvane\\helpen\\fenetre.htm",
         "fenetre", "", 2, "file:///C:/Program%20Files%20%28x86%29/Quorvane/helpen/fenetre.htm"},
        {"D:\\Mes outils\\R\xC3\xA9seau #1 100%\\", "D:\\Mes outils\\R\xC3\xA9seau #1 100%\\helpfr\\traduction.htm",
         "traduction", "zoom", 1, "file:///D:/Mes%20outils/R%C3%A9seau%20%231%20100%25/helpfr/traduction.htm#zoom"},
        // A folder without its closing backslash, and a network share.
        {"E:\\apps", "E:\\apps\\helpen\\webalert.htm", "webalert", "", 2, "file:///E:/apps/helpen/webalert.htm"},
        {"\\\\server\\share\\Q\\", "\\\\server\\share\\Q\\helpen\\options2.htm", "options2", "addurl", 2,
         "file://server/share/Q/helpen/options2.htm#addurl"},
        // No folder known: the web site.
        {"", "", "options3", "", 2, "http://www.quorvane.com/helpen/options3.htm"},
    };
    for (const Case& c : cases) {
        std::set<std::string> asked;
        LocalHelp local{c.folder, [&](const std::string& path) {
                            asked.insert(path);
                            return path == c.present;
                        }};
        EXPECT_EQ(HelpAddress(c.page, c.anchor, c.language, &local), c.expected) << c.folder << " " << c.page;
        if (c.folder[0]) {
            EXPECT_EQ(asked.size(), 1u) << "one look at the file system, for the page's own file";
        }
    }
    EXPECT_EQ(HelpAddress("index", "", 2, nullptr), "http://www.quorvane.com/helpen/index.htm");
}

TEST(HelpAddress, TheOpenerAlwaysStartsTheBrowserProgramWithIt)
{
    OptionRecord o;
    o.UseCurrentBrowser = 1;
    o.Language = 0;
    LaunchContext context{o, "C:\\b\\browser.exe"};
    LocalHelp local{"C:\\Q\\", [](const std::string& path) { return path == "C:\\Q\\helpfr\\options4.htm"; }};
    EXPECT_EQ(OpenHelpPage("options4", "compare", context, 3084, &local),
              LaunchDecision::Launch("open", "C:\\b\\browser.exe", "file:///C:/Q/helpfr/options4.htm#compare",
                                     kShowNormal));
    EXPECT_EQ(OpenHelpPage("options4", "compare", context, 1033, &local).parameters,
              "http://www.quorvane.com/helpen/options4.htm#compare");
}

TEST(FileUrl, ForwardSlashesAndPercentEncoding)
{
    EXPECT_EQ(FileUrl("C:\\a\\b.htm"), "file:///C:/a/b.htm");
    EXPECT_EQ(FileUrl("c:\\A-Z_0.9~\\x y.htm"), "file:///c:/A-Z_0.9~/x%20y.htm");
    EXPECT_EQ(FileUrl("C:\\a&b=c;d?e\\f.htm"), "file:///C:/a%26b%3Dc%3Bd%3Fe/f.htm");
    EXPECT_EQ(FileUrl("C:\\\xE2\x82\xAC\\f.htm"), "file:///C:/%E2%82%AC/f.htm");
    EXPECT_EQ(FileUrl("\\\\srv\\my share\\f.htm"), "file://srv/my%20share/f.htm");
}

} // namespace
