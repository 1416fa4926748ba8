#include "settings/ConfigDialog.h"

#include "lang/LanguageFolder.h"
#include "lang/TranslateForm.h"
#include "settings/Config.h"
#include "settings/FirstRun.h"
#include "toolkit/QtConversions.h"
#include "toolkit/TitleBar.h"
#include "util/Error.h"
#include "util/xStrings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vm {

namespace {

// Runs a handler and shows what it throws in the error box: no exception
// leaves an event handler.
template <typename Handler>
void Guarded(QWidget* window, Handler handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        ShowErrorBox(window, QString::fromUtf8(e.what()));
    }
}

} // namespace

TfrmConfig::TfrmConfig(const StartupContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName("frmConfig");
    store_ = std::make_unique<SettingsStore>();
    winIniPath_ = context.winIniPath;
    BuildControls();
    Guarded(this, [&] { terminated_ = !Create(context); });
}

TfrmConfig::~TfrmConfig() = default;

bool TfrmConfig::Create(const StartupContext& context)
{
    Guarded(this, [&] { CheckWinini(context.winIniPath); });

    const std::string installPath = store_->ReadString("Miscellaneous", "InstallPath");
    if (installPath.empty()) {
        ShowPlainMessage("Can not found language files, Vistamoor Exit now!");
        return false;
    }
    installDir_ = WithTrailingBackslash(installPath);

    if (!ConfigLanguage())
        return false;

    const QString caption = Q(sml_.Text("strFormCaption", "Vistamoor"));
    setWindowTitle(caption);
    titleBar_->setCaption(caption);
    QApplication::setApplicationDisplayName(Q(sml_.Text("strAppTitle", "Vistamoor")));
    if (SystemLanguage == 0)
        lblProduct->move(280, lblProduct->y());

    if (store_->ReadBool("Assistant", "FirstRun", true))
        FirstRunSetup(*store_, installDir_, SystemLanguage, sml_);

    setFont(ToQFont(sml_.LanguageFont(false)));
    return true;
}

bool TfrmConfig::ConfigLanguage()
{
    DetectLang();
    languageFolder_ = installDir_ + "Language" + PathDelim;
    const std::vector<LanguageEntry> languages = ListLanguages(languageFolder_);
    if (languages.empty()) {
        ShowPlainMessage("No Language Files Found, Vistamoor Exit Now!");
        return false;
    }
    QSignalBlocker block(cmbLang);
    cmbLang->clear();
    TsMultiLang probe;
    for (const LanguageEntry& entry : languages) {
        probe.SetLangFile(entry.path);
        cmbLang->addItem(Q(probe.DisplayName()), Q(entry.path));
    }
    settings_.Language = ChooseLanguageFile(languages, languageFolder_,
                                            store_->ReadString("Miscellaneous", "Language"), SystemLanguage);
    sml_.SetLangFile(settings_.Language);
    cmbLang->setCurrentIndex(cmbLang->findData(Q(settings_.Language)));
    ApplyTranslation();
    return true;
}

void TfrmConfig::ApplyTranslation() { TranslateForm(sml_, this); }

void TfrmConfig::cmbLangChange(int)
{
    for (const std::string& file : FilesNamed(languageFolder_, S(cmbLang->currentText()))) {
        sml_.SetLangFile(file);
        settings_.Language = file;
        ApplyTranslation();
    }
}

void TfrmConfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QApplication::restoreOverrideCursor();
    Guarded(this, [&] { ReadConfig(); });
}

void TfrmConfig::ReadConfig()
{
    const std::string language = settings_.Language;
    vm::ReadConfig(*store_, settings_);
    settings_.Language = language;
    SettingsToControls();
}

void TfrmConfig::WriteConfig()
{
    ControlsToSettings();
    vm::WriteConfig(*store_, settings_);
}

void TfrmConfig::suitempbtnOkClick()
{
    bool stored = false;
    Guarded(this, [&] {
        WriteConfig();
        stored = true;
    });
    if (stored)
        accept();
}

void TfrmConfig::done(int result)
{
    if (!closed_) {
        closed_ = true;
        Guarded(this, [&] { store_->WriteBool("Assistant", "FirstRun", false); });
    }
    QDialog::done(result);
}

QtMediaPlayer& TfrmConfig::MediaPlayer1()
{
    if (!MediaPlayer1_)
        MediaPlayer1_ = std::make_unique<QtMediaPlayer>(winIniPath_);
    return *MediaPlayer1_;
}

int TfrmConfig::SuiMsgBox(int kind, const std::string& textKey, const std::string& titleKey, const std::string& detail)
{
    MessageButtonTexts buttons;
    buttons.ok = Q(sml_.Text("strOK", "OK"));
    buttons.yes = Q(sml_.Text("strYes", "Yes"));
    buttons.no = Q(sml_.Text("strNo", "No"));
    return vm::SuiMsgBox(this, kind, Q(sml_.Text(textKey) + detail), Q(sml_.Text(titleKey)), buttons);
}

void TfrmConfig::btnStartPicClick()
{
    const QString patterns =
        "*.jpg;*.bmp;*.png;*.rle;*.dib;*.psp;*.pcx;*.tga;*.cel;*.pic;*.tif;*.tiff;*.fax;*.vst;*.icb;*.vda;*.win;"
        "*.pcc;*.pcd;*.psd;*.pdd";
    QString description = patterns;
    description.replace(';', ',');
    QString qtPatterns = patterns;
    qtPatterns.replace(';', ' ');
    const QString file = QFileDialog::getOpenFileName(this, {}, edtStartPic->text(),
                                                      description + " (" + qtPatterns + ")");
    if (file.isEmpty())
        return;
    edtStartPic->setText(file);
    chkStartPicture->setChecked(true);
}

void TfrmConfig::btnPreviewClick()
{
    const QString folder = QFileDialog::getExistingDirectory(this, Q(sml_.Text("strSelectDirectory")), edtPreview->text());
    if (!folder.isEmpty())
        edtPreview->setText(folder);
}

void TfrmConfig::chbMouseClick() { trbMouse->setEnabled(!chbMouse->isChecked()); }

void TfrmConfig::OpenHelp()
{
    const QString help = Q(installDir_) + "HELP.html";
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
        return;
    // No browser registered: show the help in a window of our own.
    auto* viewer = new QTextBrowser;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(windowTitle());
    viewer->setSource(QUrl::fromLocalFile(help));
    viewer->resize(640, 560);
    viewer->show();
}

void TfrmConfig::ppmControlHandler(int skin)
{
    // The looks of the skins come with the toolkit; the choice is kept now.
    const auto actions = ppmControl->actions();
    for (int i = 0; i < actions.size(); ++i)
        actions[i]->setChecked(i == skin);
}

} // namespace vm
