#pragma once
// TfrmConfig: the settings dialog, and the owner of the live settings in every
// run mode. Its controls are named like the stored values they edit, so the
// language files can address them. GUI thread only.
#include "lang/MultiLang.h"
#include "platform/media/QtMediaPlayer.h"
#include "settings/SettingsStore.h"
#include "settings/ShowSettings.h"
#include "toolkit/MessageBoxes.h"

#include <QDialog>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace vm {

class TitleBar;

struct StartupContext {
    std::string runModeText; // "", "RunMode", "SetupMode" or "PreviewMode"
    bool settingsMode = false;
    std::string winIniPath;  // our stand-in for the system's "win.ini"
};

class TfrmConfig : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 569;
    static constexpr int kClientHeight = 509;

    explicit TfrmConfig(const StartupContext& context, QWidget* parent = nullptr);
    ~TfrmConfig() override;

    // Set when the creation step found no install folder or no language file:
    // the message was shown and the program must end.
    bool Terminated() const { return terminated_; }

    TShowSettings& Settings() { return settings_; }
    const TsMultiLang& sml() const { return sml_; }
    const std::string& InstallDir() const { return installDir_; }
    SettingsStore& Store() { return *store_; }
    // The one music player of the program: the show's playlist plays through it.
    // Made when first needed.
    QtMediaPlayer& MediaPlayer1();

    // Fills the live settings from the store and shows them in the controls.
    void ReadConfig();
    // Takes the controls into the live settings and stores them.
    void WriteConfig();

    // The message box of the program: text and title by language key; `detail`
    // (such as a line break and a path) follows the text as it is.
    int SuiMsgBox(int kind, const std::string& textKey, const std::string& titleKey, const std::string& detail = {});

    // Every close (OK, Cancel, the title bar's close button) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildPhotoPage();
    QWidget* BuildMusicPage();
    QWidget* BuildElfPage();
    QWidget* BuildDescriptionPage();
    QWidget* BuildMisPage();
    QWidget* BuildShortcutPage();
    QWidget* BuildAboutPage();
    QMenu* BuildSkinMenu();

    bool Create(const StartupContext& context);
    bool ConfigLanguage();
    void SettingsToControls();
    void ControlsToSettings();
    void ApplyTranslation();

    void suitempbtnOkClick();
    void btnStartPicClick();
    void btnPreviewClick();
    void chbMouseClick();
    void cmbLangChange(int index);
    void OpenHelp();
    void ppmControlHandler(int skin);

    std::unique_ptr<SettingsStore> store_;
    std::string winIniPath_;
    std::unique_ptr<QtMediaPlayer> MediaPlayer1_;
    TShowSettings settings_;
    TsMultiLang sml_;
    std::string installDir_;
    std::string languageFolder_;
    bool terminated_ = false;
    bool closed_ = false;

    TitleBar* titleBar_ = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QMenu* ppmControl = nullptr;
    // "&Photo"
    QCheckBox* chkRandom = nullptr;
    QCheckBox* chkStartPicture = nullptr;
    QLineEdit* edtStartPic = nullptr;
    // "&Music"
    QListWidget* lsbMusic = nullptr;
    QCheckBox* chkMusic = nullptr;
    QCheckBox* chkRandomPlay = nullptr;
    // "&Elf"
    QCheckBox* chkSpeak = nullptr;
    QSpinBox* speX = nullptr;
    QSpinBox* speY = nullptr;
    QLineEdit* edtAstPath = nullptr;
    QFrame* shpBack = nullptr;
    QFrame* shpBorder = nullptr;
    QSlider* TrackBar1 = nullptr;
    // "&Description"
    QPlainTextEdit* memExif = nullptr;
    QPlainTextEdit* memNoExif = nullptr;
    // "Mis"
    QSpinBox* speStay = nullptr;
    QSlider* trbSpeed = nullptr;
    QCheckBox* chkSleep = nullptr;
    QLineEdit* edtPreview = nullptr;
    QCheckBox* chbMouse = nullptr;
    QSlider* trbMouse = nullptr;
    QComboBox* cmbLang = nullptr;
    // "&Shortcut"
    QCheckBox* chkPause = nullptr;
    QCheckBox* chkWallpaper = nullptr;
    QCheckBox* chkDescription = nullptr;
    QCheckBox* chkDelete = nullptr;
    QCheckBox* chkMusicSwitch = nullptr;
    // "&About"
    QLabel* lblProduct = nullptr;
};

} // namespace vm
