// The translation window, its results list and its zoom dialog, run by the program in the
// test process against a loopback server shaped like the four services; searches land in the
// stand-in browser's log.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "app/AppContext_win.h"
#include "app/Subsystems_win.h"
#include "launcher/LauncherLists_win.h"
#include "resources/ResourceIds.h"
#include "tests/launcher/LauncherWinFixture_win.h"
#include "tests/support/HttpPeer_win.h"
#include "tests/translator/ModalScript_win.h"
#include "translator/TranslatorSettings.h"
#include "translator/TranslatorWindow_win.h"

namespace {

// An edit control's selection as "start-end".
std::string SelectionOf(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + "-" + std::to_string(end);
}

using tt::Choose;
using tt::Click;
using tt::ItemString;
using tt::ModalScript;
using wt::HttpPeer;

const char kEngines[] =
    "[Searcher]\r\n"
    "Searcher1=First|\"http://first.example/?q=%s\"|http://first.example/|1\r\n";

const char kEnterText[] = "Please enter the text you want to translated.";
const char kFailed[] = "#ERROR TRANSLATE Check web site";

class TranslatorWin : public lt::LauncherWin {
protected:
    void SetUp() override
    {
        LauncherWin::SetUp();
        ASSERT_FALSE(HttpPeer::Address().empty()) << "no HTTP peer runs beside the test (QV_HTTP_PEER)";
        HttpPeer::Reset();
        Translator() = TranslatorSettings();
    }

    void TearDown() override
    {
        Translator() = TranslatorSettings();
        LauncherWin::TearDown();
    }

    // The program on settings whose services all post to the peer; voilaMode puts a mode
    // segment before Voila's path (e.g. "/status/500" to make it fail).
    void StartProgram(const std::string& googleMode = "", const std::string& voilaMode = "",
                      const std::string& more = "")
    {
        std::string peer = HttpPeer::Address();
        std::string ini = "[Options]\r\nWelCome=1\r\nFavorite=First\r\nUseMiniBrowserSearch=0\r\n";
        ini += kEngines;
        ini += "[Translator]\r\nGoogleHost=" + peer + googleMode + "\r\nBabelFishHost=" + peer +
               "\r\nFreeTranslationHost=" + peer + "\r\nVoilaHost=" + peer + voilaMode + "\r\n" + more;
        ASSERT_TRUE(StartWithSettings(ini));
    }

    static HWND Window() { return Windows().translation; }

    // The translation window's source text, pair and service, then GO.
    static void Translate(const std::string& text, int pair, int service)
    {
        HWND w = Window();
        SetDlgItemTextA(w, IDC_TR_SOURCE, text.c_str());
        Choose(w, IDC_TR_PAIR, pair);
        Choose(w, IDC_TR_SERVICE, service);
        SetDlgItemTextA(w, IDC_TR_RESULT, "");
        Click(w, IDOK);
    }

    static bool ResultIs(const std::string& text) { return Window() && ItemString(Window(), IDC_TR_RESULT) == text; }

    static bool AnswerControlsEnabled(HWND dialog)
    {
        for (int id : {IDC_TR_SEARCH, IDC_TR_COPY, IDC_TR_ZOOM, IDC_TR_CLOSE_AFTER, IDC_TR_COMMAND_LABEL})
            if (!IsWindowEnabled(GetDlgItem(dialog, id)))
                return false;
        return true;
    }

    INT_PTR OpenEmpty(ModalScript& script) { return script.Run([&] { return OpenTranslationWindow(main_, nullptr); }); }
};

}  // namespace

TEST_F(TranslatorWin, GoWithBlanksOnlyAsksForATextAndSendsNothing)
{
    StartProgram();
    ModalScript script;
    script
        .Then([] {
            if (!Window())
                return false;
            EXPECT_FALSE(AnswerControlsEnabled(Window()));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(Window(), IDC_TR_PROGRESS)));
            Translate("  \r\n \t ", 2, 0);
            return true;
        })
        .Then([] {
            HWND box = tt::MessageBoxShowing(kEnterText);
            if (!box)
                return false;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return true;
        })
        .Then([] {
            if (tt::MessageBoxShowing(kEnterText))
                return false;
            EXPECT_EQ(HttpPeer::Count(), 0);
            EXPECT_FALSE(AnswerControlsEnabled(Window()));
            Click(Window(), IDCANCEL);
            return true;
        });
    EXPECT_EQ(OpenEmpty(script), 0);
    EXPECT_EQ(ReadSetting("SaveTrad", "Search1"), "<missing>");
    EXPECT_EQ(Windows().translation, nullptr);
}

TEST_F(TranslatorWin, ATranslationIsStoredAndAnsweredFromTheHistoryTheSecondTime)
{
    StartProgram();
    const std::string answer = "google[en|fr] Tom & Jerry";
    ModalScript script;
    script
        .Then([] {
            if (!Window())
                return false;
            Translate("  Tom & Jerry ", 2, 0);
            return true;
        })
        .Then([&] {
            if (!ResultIs(answer))
                return false;
            EXPECT_TRUE(AnswerControlsEnabled(Window()));
            EXPECT_EQ(HttpPeer::Count(), 1);
            EXPECT_EQ(HttpPeer::Last().body, "langpair=en|fr&hl=en&safe=off&text=Tom %26 Jerry");
            // Stored at once, with the trimmed text, the pair and the service.
            EXPECT_EQ(ReadSetting("SaveTrad", "Search1"), "Tom & Jerry");
            EXPECT_EQ(ReadSetting("SaveTrad", "SearchStr1"), answer);
            EXPECT_EQ(ReadSetting("SaveTrad", "SearchVal1"), "2");
            HttpPeer::Reset();
            Translate("Tom & Jerry", 2, 0);
            return true;
        })
        .Then([&] {
            if (!ResultIs(answer))
                return false;
            EXPECT_EQ(HttpPeer::Count(), 0) << "the second answer must come from the history";
            // Another pair is another translation; letter case counts.
            Translate("tom & jerry", 2, 0);
            return true;
        })
        .Then([&] {
            if (!ResultIs("google[en|fr] tom & jerry"))
                return false;
            EXPECT_EQ(HttpPeer::Count(), 1);
            // The cache box asks the service again.
            CheckDlgButton(Window(), IDC_TR_NO_CACHE, BST_CHECKED);
            Translate("Tom & Jerry", 2, 0);
            return true;
        })
        .Then([&] {
            if (!ResultIs(answer))
                return false;
            EXPECT_EQ(HttpPeer::Count(), 2);
            Click(Window(), IDCANCEL);
            return true;
        });
    OpenEmpty(script);
    EXPECT_EQ(TranslationHistory().Size(), 2u);
}

TEST_F(TranslatorWin, AllServicesDisableTheCacheAndAFailingOneIsAnErrorRowWithNothingStored)
{
    StartProgram("", "/status/500");
    ModalScript script;
    HWND results = nullptr;
    script
        .Then([] {
            if (!Window())
                return false;
            Choose(Window(), IDC_TR_SERVICE, 4);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Window(), IDC_TR_NO_CACHE)));
            Choose(Window(), IDC_TR_SERVICE, 1);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Window(), IDC_TR_NO_CACHE)));
            Translate("Hello", 2, 4);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Window(), IDC_TR_NO_CACHE)));
            return true;
        })
        .Then([&] {
            results = tt::DialogWithItem(IDC_RESULTS_LIST);
            if (!results)
                return false;
            EXPECT_EQ(HttpPeer::Count(), 4);
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(Window(), IDC_TR_PROGRESS)));
            EXPECT_EQ(ItemString(Window(), IDC_TR_RESULT), "");
            EXPECT_EQ(tt::WindowString(results), "Translate Results");
            HWND list = GetDlgItem(results, IDC_RESULTS_LIST);
            EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 4);
            const char* names[] = {"Google", "BabelFish Altavista", "Free Translation", "Voila"};
            const char* tags[] = {"google[en|fr]", "babelfish[en_fr]", "freetranslation[English/French]", nullptr};
            for (int row = 0; row < 4; ++row) {
                EXPECT_EQ(tt::ListText(list, row, 0), names[row]);
                EXPECT_EQ(tt::ListText(list, row, 1), tags[row] ? std::string(tags[row]) + " Hello" : kFailed);
                EXPECT_EQ(tt::ListText(list, row, 2), tags[row] ? "Ok" : "Error");
            }
            EXPECT_EQ(ItemString(results, IDC_RESULTS_COUNT), " 3 translates available");
            EXPECT_EQ(ItemString(results, IDC_RESULTS_SOURCE), "Hello");
            EXPECT_EQ(ItemString(results, IDC_RESULTS_PAIR), "English to French");
            // The read-only fields open with the caret at the start, nothing selected.
            EXPECT_EQ(GetFocus(), GetDlgItem(results, IDC_RESULTS_SOURCE));
            EXPECT_EQ(SelectionOf(GetDlgItem(results, IDC_RESULTS_SOURCE)), "0-0");
            EXPECT_EQ(SelectionOf(GetDlgItem(results, IDC_RESULTS_PAIR)), "0-0");
            // The last service failed: the history gets nothing.
            EXPECT_EQ(ReadSetting("SaveTrad", "Search1"), "<missing>");
            EXPECT_EQ(TranslationHistory().Size(), 0u);
            Click(results, IDCANCEL);
            return true;
        })
        .Then([&] {
            if (tt::DialogWithItem(IDC_RESULTS_LIST))
                return false;
            Click(Window(), IDCANCEL);
            return true;
        });
    OpenEmpty(script);
    EXPECT_EQ(ReadSetting("Translator", "LastTranslator"), "4");
}

TEST_F(TranslatorWin, WithAllServicesOnlyTheLastDecidesAndTheHistoryIsNeverAsked)
{
    StartProgram("/status/500");
    ModalScript script;
    script
        .Then([] {
            if (!Window())
                return false;
            Translate("Hello", 8, 4);
            return true;
        })
        .Then([&] {
            HWND results = tt::DialogWithItem(IDC_RESULTS_LIST);
            if (!results)
                return false;
            EXPECT_EQ(ItemString(results, IDC_RESULTS_COUNT), " 3 translates available");
            // Voila, the last, answered: stored with the all-services choice and its text.
            EXPECT_EQ(ReadSetting("SaveTrad", "Search1"), "Hello");
            EXPECT_EQ(ReadSetting("SaveTrad", "SearchStr1"), "voila[fr_en] Hello");
            EXPECT_EQ(ReadSetting("SaveTrad", "SearchVal1"), "8");
            EXPECT_EQ(ReadSetting("SaveTrad", "SearchValExt1"), "4");
            HttpPeer::Reset();
            Click(results, IDCANCEL);
            return true;
        })
        .Then([] {
            if (tt::DialogWithItem(IDC_RESULTS_LIST))
                return false;
            Translate("Hello", 8, 4);
            return true;
        })
        .Then([] {
            HWND results = tt::DialogWithItem(IDC_RESULTS_LIST);
            if (!results)
                return false;
            EXPECT_EQ(HttpPeer::Count(), 4) << "all services are always asked";
            Click(results, IDCANCEL);
            return true;
        })
        .Then([] {
            if (tt::DialogWithItem(IDC_RESULTS_LIST))
                return false;
            Click(Window(), IDCANCEL);
            return true;
        });
    OpenEmpty(script);
}

TEST_F(TranslatorWin, APairTheServiceLacksShowsTheErrorText)
{
    StartProgram();
    ModalScript script;
    script
        .Then([] {
            if (!Window())
                return false;
            Translate("text", 4, 1);   // Babel Fish has no English to Portuguese
            return true;
        })
        .Then([] {
            if (!ResultIs(kFailed))
                return false;
            EXPECT_EQ(HttpPeer::Last().body, "doit=none&intl=1&tt=urltext&lp=&urltext=text");
            EXPECT_EQ(TranslationHistory().Size(), 0u);
            Click(Window(), IDCANCEL);
            return true;
        });
    OpenEmpty(script);
    EXPECT_EQ(ReadSetting("SaveTrad", "Search1"), "<missing>");
}

TEST_F(TranslatorWin, SearchWithTheSelectedPartCopyAndZoom)
{
    StartProgram();
    ModalScript script;
    script
        .Then([] {
            if (!Window())
                return false;
            Translate("Hello world", 2, 0);
            return true;
        })
        .Then([] {
            if (!ResultIs("google[en|fr] Hello world"))
                return false;
            SendDlgItemMessageA(Window(), IDC_TR_RESULT, EM_SETSEL, 14, 19);   // "Hello"
            Click(Window(), IDC_TR_SEARCH);
            return true;
        })
        .Then([&] { return Log().find("http://first.example/?q=Hello") != std::string::npos; })
        .Then([&] {
            EXPECT_EQ(Log().find("world"), std::string::npos) << Log();
            EXPECT_EQ(LoggedLaunches(), 1);
            tt::SetClipboardText("before");
            Click(Window(), IDC_TR_COPY);
            return true;
        })
        .Then([] {
            if (tt::ClipboardText() == "before")
                return false;
            EXPECT_EQ(tt::ClipboardText(), "google[en|fr] Hello world");
            EXPECT_NE(Window(), nullptr) << "the box to close after a command is not checked";
            Click(Window(), IDC_TR_ZOOM);
            return true;
        })
        .Then([] {
            HWND zoom = tt::DialogWithItem(IDC_ZOOM_STATUS, Window());
            if (!zoom || zoom == Window())
                return false;
            EXPECT_EQ(tt::WindowString(zoom), "Zoom");
            EXPECT_EQ(ItemString(zoom, IDC_ZOOM_SERVICE), "Google");
            EXPECT_EQ(ItemString(zoom, IDC_ZOOM_TEXT), "google[en|fr] Hello world");
            EXPECT_EQ(ItemString(zoom, IDC_ZOOM_STATUS), "Ok");
            EXPECT_EQ(GetFocus(), GetDlgItem(zoom, IDC_ZOOM_TEXT));
            for (int id : {IDC_ZOOM_TEXT, IDC_ZOOM_SERVICE, IDC_ZOOM_STATUS})
                EXPECT_EQ(SelectionOf(GetDlgItem(zoom, id)), "0-0") << id;
            Click(zoom, IDOK);
            return true;
        })
        .Then([] {
            if (tt::CountDialogsWithItem(IDC_ZOOM_STATUS) > 1)
                return false;
            Click(Window(), IDCANCEL);
            return true;
        });
    OpenEmpty(script);
}

TEST_F(TranslatorWin, ChoicesAndBothCloseBoxesAreKeptAcrossOpenings)
{
    StartProgram();
    ModalScript first;
    first
        .Then([] {
            if (!Window())
                return false;
            CheckDlgButton(Window(), IDC_TR_CLOSE_AFTER, BST_CHECKED);
            Translate("Hallo", 5, 4);
            return true;
        })
        .Then([] {
            HWND results = tt::DialogWithItem(IDC_RESULTS_LIST);
            if (!results)
                return false;
            EXPECT_FALSE(IsDlgButtonChecked(results, IDC_TR_CLOSE_AFTER));
            CheckDlgButton(results, IDC_TR_CLOSE_AFTER, BST_CHECKED);
            ListView_SetItemState(GetDlgItem(results, IDC_RESULTS_LIST), 1, LVIS_SELECTED, LVIS_SELECTED);
            Click(results, IDC_TR_COPY);
            return true;
        });
    // The copy closes the list with its box's value, and the window with its own.
    INT_PTR result = first.Run([&] { return OpenTranslationWindow(main_, nullptr); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(tt::ClipboardText(), "babelfish[de_en] Hallo");
    EXPECT_EQ(ReadSetting("Translator", "LastLanguage"), "5");
    EXPECT_EQ(ReadSetting("Translator", "LastTranslator"), "4");
    EXPECT_EQ(ReadSetting("Translator", "CloseAfterCommand"), "1");
    EXPECT_EQ(ReadSetting("Translator", "CloseAfterCommand2"), "1");

    // The next opening reads them back from the settings file.
    Translator() = TranslatorSettings();
    ModalScript second;
    second
        .Then([] {
            if (!Window())
                return false;
            EXPECT_EQ(tt::Selection(Window(), IDC_TR_PAIR), 5);
            EXPECT_EQ(tt::Selection(Window(), IDC_TR_SERVICE), 4);
            EXPECT_TRUE(IsDlgButtonChecked(Window(), IDC_TR_CLOSE_AFTER));
            Translate("Hallo", 5, 2);
            return true;
        })
        .Then([] {
            if (!ResultIs("freetranslation[German/English] Hallo"))
                return false;
            // Checked box: a search closes the window.
            Click(Window(), IDC_TR_SEARCH);
            return true;
        });
    result = second.Run([&] { return OpenTranslationWindow(main_, nullptr); });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(Opened("http://first.example/?q=freetranslation"));
    EXPECT_EQ(ReadSetting("Translator", "LastTranslator"), "2");
}

TEST_F(TranslatorWin, AnEntryFromTheHistoryShowsItsStoredResult)
{
    StartProgram();
    SavedEntry entry;
    entry.text = "Bonjour";
    entry.secondText = "Hello";
    entry.value = 8;
    entry.valueExt = 3;
    entry.showResult = true;
    ModalScript script;
    script.Then([] {
        if (!Window())
            return false;
        EXPECT_EQ(ItemString(Window(), IDC_TR_SOURCE), "Bonjour");
        EXPECT_EQ(ItemString(Window(), IDC_TR_RESULT), "Hello");
        EXPECT_EQ(tt::Selection(Window(), IDC_TR_PAIR), 8);
        EXPECT_EQ(tt::Selection(Window(), IDC_TR_SERVICE), 3);
        EXPECT_TRUE(AnswerControlsEnabled(Window()));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Window(), IDC_TR_NO_CACHE)));
        EXPECT_NE(SendDlgItemMessageA(Window(), IDC_TR_LOGO, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        Click(Window(), IDCANCEL);
        return true;
    });
    script.Run([&] { return OpenTranslationWindow(main_, &entry); });

    // An entry with only a text, as the launcher hands over a typed one.
    SavedEntry typed;
    typed.text = "abc";
    ModalScript plain;
    plain.Then([] {
        if (!Window())
            return false;
        EXPECT_EQ(ItemString(Window(), IDC_TR_SOURCE), "abc");
        EXPECT_EQ(ItemString(Window(), IDC_TR_RESULT), "");
        EXPECT_FALSE(AnswerControlsEnabled(Window()));
        Click(Window(), IDCANCEL);
        return true;
    });
    plain.Run([&] { return OpenTranslationWindow(main_, &typed); });
    EXPECT_EQ(HttpPeer::Count(), 0);
}

TEST_F(TranslatorWin, TrayCommandsOpenOneWindowAndTranslateTheClipboard)
{
    StartProgram();
    ModalScript script;
    script
        .Then([&] {
            if (!Window())
                return false;
            EXPECT_EQ(ItemString(Window(), IDC_TR_SOURCE), "");
            // A second translate command brings the open window forward instead.
            PostMessageA(main_, WM_COMMAND, IDM_TRANSLATE, 0);
            return true;
        })
        .Then([] {
            EXPECT_EQ(tt::CountDialogsWithItem(IDC_TR_SOURCE), 1);
            tt::SetClipboardText("from the clipboard");
            PostMessageA(Windows().main, WM_COMMAND, IDM_TRANSLATECLIP, 0);
            return true;
        })
        .Then([] {
            if (ItemString(Window(), IDC_TR_SOURCE) != "from the clipboard")
                return false;
            EXPECT_EQ(tt::CountDialogsWithItem(IDC_TR_SOURCE), 1);
            Click(Window(), IDCANCEL);
            return true;
        });
    script.Run([&] {
        SendMessageA(main_, WM_COMMAND, IDM_TRANSLATE, 0);
        return INT_PTR(0);
    });
    EXPECT_EQ(Windows().translation, nullptr);

    tt::SetClipboardText("clip text");
    ModalScript clip;
    clip.Then([] {
        if (!Window())
            return false;
        EXPECT_EQ(ItemString(Window(), IDC_TR_SOURCE), "clip text");
        Click(Window(), IDCANCEL);
        return true;
    });
    clip.Run([&] {
        SendMessageA(main_, WM_COMMAND, IDM_TRANSLATECLIP, 0);
        return INT_PTR(0);
    });

    tt::SetClipboardText("");
    const std::string noText = "There is no text in clipboard. Copy a text field to use this fonctionnality.";
    ModalScript empty;
    empty.Then([&] {
        HWND box = tt::MessageBoxShowing(noText);
        if (!box)
            return false;
        EXPECT_EQ(Window(), nullptr);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    empty.Run([&] {
        SendMessageA(main_, WM_COMMAND, IDM_TRANSLATECLIP, 0);
        return INT_PTR(0);
    });
}
