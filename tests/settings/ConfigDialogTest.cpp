#include "settings/ConfigDialog.h"

#include "lang/MultiLang.h"
#include "support/DismissModals.h"
#include "support/TempDir.h"
#include "util/IniFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

using namespace vm;

namespace {

const std::string kInstall = std::string(VM_SOURCE_DIR) + "/data/";


class ConfigDialog : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("VISTAMOOR_CONFIG_DIR", dir.str().c_str(), 1);
        setenv("LANG", "en_GB.UTF-8", 1);
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
    }
    StartupContext Context(const std::string& mode = "SetupMode") { return {mode, true, dir / "win.ini"}; }
    SettingsStore store() { return SettingsStore(dir / "settings.ini"); }
    void Install() { store().WriteString("Miscellaneous", "InstallPath", kInstall); }

    template <typename W>
    static W* Child(QWidget& dialog, const char* name)
    {
        W* w = dialog.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    test::TempDir dir;
};

} // namespace

TEST_F(ConfigDialog, WithoutAnInstallFolderItSaysSoAndEnds)
{
    test::DismissModals modals;
    TfrmConfig dialog(Context());
    EXPECT_TRUE(dialog.Terminated());
    EXPECT_EQ(modals.dismissed, 1);
    EXPECT_FALSE(store().ValueExists("Assistant", "AssistantPath")); // no first run
}

TEST_F(ConfigDialog, WithoutLanguageFilesItSaysSoAndEnds)
{
    test::DismissModals modals;
    store().WriteString("Miscellaneous", "InstallPath", dir.str());
    TfrmConfig dialog(Context());
    EXPECT_TRUE(dialog.Terminated());
    EXPECT_EQ(modals.dismissed, 1);
}

TEST_F(ConfigDialog, FirstStartWritesTheFirstRunDefaultsAndTheCloseEndsTheFirstRun)
{
    Install();
    {
        TfrmConfig dialog(Context());
        ASSERT_FALSE(dialog.Terminated());
        EXPECT_EQ(store().ReadString("PhotoRoot", "1"), "*" + kInstall + "Demo");
        EXPECT_EQ(store().ReadString("PhotoRoot", "Count"), "1");
        EXPECT_EQ(store().ReadString("Descript", "BackColor"), "65408");
        EXPECT_EQ(store().ReadString("Descript", "BorderColor"), "8454016");
        EXPECT_EQ(store().ListSection("GrassGreen").size(), 4u);
        TsMultiLang en;
        en.SetLangFile(kInstall + "Language/en.lng");
        EXPECT_EQ(store().ReadString("Descript", "ExifFormat"),
                  en.Text("strMemExifLine1") + "\r\n" + en.Text("strMemExifLine2") + "\r\n" + en.Text("strMemExifLine3") + "\r\n");
        EXPECT_TRUE(store().ReadBool("Assistant", "FirstRun", true)); // not before the close
        dialog.show();
        dialog.reject(); // Cancel
    }
    EXPECT_EQ(store().ReadString("Assistant", "FirstRun"), "0");
    EXPECT_FALSE(store().ValueExists("Miscellaneous", "Stay")); // Cancel stores no settings

    store().WriteString("PhotoRoot", "1", "*/home/me/Pictures");
    TfrmConfig again(Context());
    EXPECT_EQ(store().ReadString("PhotoRoot", "1"), "*/home/me/Pictures"); // no second first run
}

TEST_F(ConfigDialog, StartingAgainBeforeTheFirstCloseRepeatsTheFirstRun)
{
    Install();
    { TfrmConfig first(Context()); } // never shown or closed
    store().WriteString("PhotoRoot", "1", "*/home/me/Pictures");
    TfrmConfig second(Context());
    EXPECT_EQ(store().ReadString("PhotoRoot", "1"), "*" + kInstall + "Demo");
}

TEST_F(ConfigDialog, ShowsTheStoredSettingsAndOkStoresTheEditedOnes)
{
    Install();
    store().WriteString("Miscellaneous", "Stay", "4500");
    store().WriteString("Miscellaneous", "TabIndex", "4");
    store().WriteString("Music", "MusicCounter", "2");
    store().WriteString("Music", "Music0", "/m/a.mp3");
    store().WriteString("Music", "Music1", "/m/b.mp3");
    store().WriteString("Miscellaneous", "IgnoreMouseMove", "1");
    store().WriteString("Miscellaneous", "Skin", "2");
    TfrmConfig dialog(Context());
    dialog.show();

    EXPECT_EQ(Child<QSpinBox>(dialog, "speStay")->value(), 4500);
    EXPECT_EQ(Child<QTabWidget>(dialog, "PageControl1")->currentIndex(), 4);
    EXPECT_EQ(Child<QListWidget>(dialog, "lsbMusic")->count(), 2);
    EXPECT_FALSE(Child<QSlider>(dialog, "trbMouse")->isEnabled());
    EXPECT_TRUE(Child<QMenu>(dialog, "ppmControl")->actions()[2]->isChecked());

    Child<QSpinBox>(dialog, "speStay")->setValue(9000);
    Child<QSlider>(dialog, "trbSpeed")->setValue(3);
    Child<QCheckBox>(dialog, "chkDelete")->setChecked(true);
    Child<QPlainTextEdit>(dialog, "memExif")->setPlainText("line one\nline two");
    Child<QLineEdit>(dialog, "edtPreview")->setText("/photos/preview");
    Child<QMenu>(dialog, "ppmControl")->actions()[6]->trigger();
    Child<QPushButton>(dialog, "btnOk")->click();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(store().ReadString("Miscellaneous", "Stay"), "9000");
    EXPECT_EQ(store().ReadString("Miscellaneous", "Speed"), "3");
    EXPECT_EQ(store().ReadString("Shortcut", "Delete"), "1");
    EXPECT_EQ(store().ReadString("Descript", "ExifFormat"), "line one\r\nline two");
    EXPECT_EQ(store().ReadString("Miscellaneous", "Preview"), "/photos/preview");
    EXPECT_EQ(store().ReadString("Miscellaneous", "Skin"), "6");
    EXPECT_EQ(store().ReadString("Miscellaneous", "TabIndex"), "4");
    EXPECT_EQ(store().ReadString("Music", "Music1"), "/m/b.mp3");
    EXPECT_EQ(store().ReadString("Miscellaneous", "Language"), kInstall + "Language/en.lng");
    EXPECT_EQ(store().ReadString("Assistant", "FirstRun"), "0");
}

TEST_F(ConfigDialog, OkInTheDialogTheShowOpensKeepsTheMusicList)
{
    Install();
    store().WriteString("Music", "MusicCounter", "2");
    store().WriteString("Music", "Music0", "/m/a.mp3");
    store().WriteString("Music", "Music1", "/m/b.mp3");
    TfrmConfig dialog({"RunMode", false, dir / "win.ini"});
    dialog.ReadConfig(); // the show reads the settings first
    EXPECT_EQ(dialog.Settings().MusicList, (std::vector<std::string>{"/m/a.mp3", "/m/b.mp3"}));
    dialog.show();       // no photos found: the dialog is shown
    Child<QPushButton>(dialog, "btnOk")->click();
    EXPECT_EQ(store().ReadString("Music", "MusicCounter"), "2");
    EXPECT_EQ(store().ReadString("Music", "Music1"), "/m/b.mp3");
}

TEST_F(ConfigDialog, IgnoringMouseMovementDisablesTheSensitivity)
{
    Install();
    TfrmConfig dialog(Context());
    dialog.show();
    auto* box = Child<QCheckBox>(dialog, "chbMouse");
    auto* sensitivity = Child<QSlider>(dialog, "trbMouse");
    ASSERT_TRUE(sensitivity->isEnabled());
    box->click();
    EXPECT_FALSE(sensitivity->isEnabled());
    box->click();
    EXPECT_TRUE(sensitivity->isEnabled());
    EXPECT_FALSE(store().ValueExists("Miscellaneous", "IgnoreMouseMove")); // only OK stores
}

TEST_F(ConfigDialog, SwitchingTheLanguageTranslatesTheDialogAtOnce)
{
    Install();
    TfrmConfig dialog(Context());
    auto* ok = Child<QPushButton>(dialog, "btnOk");
    auto* languages = Child<QComboBox>(dialog, "cmbLang");
    EXPECT_EQ(languages->currentText(), "English");
    EXPECT_EQ(ok->text(), "OK");
    languages->setCurrentIndex(languages->findText(QString::fromUtf8("简体中文")));
    EXPECT_EQ(ok->text(), QString::fromUtf8("确定"));
    EXPECT_EQ(dialog.Settings().Language, kInstall + "Language/cn.lng");
}

TEST_F(ConfigDialog, ChineseSystemsStartInChinese)
{
    setenv("LANG", "zh_TW.UTF-8", 1);
    Install();
    TfrmConfig dialog(Context());
    EXPECT_EQ(Child<QComboBox>(dialog, "cmbLang")->currentText(), QString::fromUtf8("繁體中文"));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Vistamoor 設定"));
}

TEST_F(ConfigDialog, EveryShippedComponentLineNamesAControlOfTheDialog)
{
    Install();
    TfrmConfig dialog(Context());
    for (const char* file : {"en.lng", "cn.lng", "tw.lng"}) {
        TsMultiLang lang;
        lang.SetLangFile(kInstall + "Language/" + file);
        for (const ComponentText& line : lang.ComponentTexts())
            if (line.form == "frmConfig")
                EXPECT_NE(dialog.findChild<QObject*>(QString::fromStdString(line.component)), nullptr)
                    << file << ": " << line.component;
    }
}

TEST_F(ConfigDialog, CreationMapsTheMusicTypesInWinIni)
{
    Install();
    { std::ofstream(dir / "win.ini") << "[mci extensions]\r\nmp3=MPEGVideo2\r\nwma=WMAPlayer\r\n"; }
    TfrmConfig dialog(Context());
    const IniFile ini = IniFile::Load(dir / "win.ini");
    EXPECT_EQ(ini.ReadString("mci extensions", "mp3"), "MPEGVideo");
    EXPECT_EQ(ini.ReadString("mci extensions", "midi"), "MPEGVideo");
    EXPECT_EQ(ini.ReadString("mci extensions", "wma"), "WMAPlayer");
}

TEST_F(ConfigDialog, HasTheFixedClientSizeAndSevenPages)
{
    Install();
    TfrmConfig dialog(Context());
    auto* pages = Child<QTabWidget>(dialog, "PageControl1");
    EXPECT_EQ(pages->count(), 7);
    const int titleBar = dialog.findChild<QWidget*>("TitleBar")->height();
    EXPECT_EQ(dialog.width() - 2, TfrmConfig::kClientWidth);
    EXPECT_EQ(dialog.height() - 2 - titleBar, TfrmConfig::kClientHeight);
    EXPECT_EQ(Child<QMenu>(dialog, "ppmControl")->actions().size(), 7);
}
