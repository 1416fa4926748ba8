// The settings dialog's controls: built here, bound to the live settings here.
#include "settings/ConfigDialog.h"

#include "toolkit/QtConversions.h"
#include "toolkit/TitleBar.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

namespace vm {
namespace {

template <typename W, typename... Args>
W* Named(const char* name, Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(name);
    return w;
}

QCheckBox* Check(const char* name, const char* caption) { return Named<QCheckBox>(name, caption); }
QLabel* Label(const char* name, const char* caption) { return Named<QLabel>(name, caption); }

QSlider* TrackBar(const char* name, int min, int max)
{
    auto* s = Named<QSlider>(name, Qt::Horizontal);
    s->setRange(min, max);
    s->setTickPosition(QSlider::TicksBelow);
    return s;
}

QSpinBox* SpinEdit(const char* name)
{
    auto* s = Named<QSpinBox>(name);
    s->setRange(INT_MIN, INT_MAX); // no bounds, as any stored number may be shown
    return s;
}

// A track bar with captions under its two ends.
QWidget* WithEnds(QSlider* slider, QLabel* left, QLabel* right)
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(slider, 0, 0, 1, 2);
    grid->addWidget(left, 1, 0, Qt::AlignLeft);
    grid->addWidget(right, 1, 1, Qt::AlignRight);
    return box;
}

QFrame* ColourShape(const char* name)
{
    auto* f = Named<QFrame>(name);
    f->setFrameShape(QFrame::Box);
    f->setFixedSize(60, 22);
    f->setAutoFillBackground(true);
    return f;
}

void Paint(QFrame* shape, TColor color)
{
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, ToQColor(color));
    shape->setPalette(p);
    shape->setProperty("colour", color);
}

QWidget* Page(const char* name)
{
    auto* page = Named<QWidget>(name);
    return page;
}

} // namespace

void TfrmConfig::BuildControls()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    titleBar_ = new TitleBar(this);
    titleBar_->setMenu(BuildSkinMenu());
    connect(titleBar_, &TitleBar::helpRequested, this, &TfrmConfig::OpenHelp);

    PageControl1 = Named<QTabWidget>("PageControl1");
    PageControl1->addTab(BuildPhotoPage(), "&Photo");
    PageControl1->addTab(BuildMusicPage(), "&Music");
    PageControl1->addTab(BuildElfPage(), "&Elf");
    PageControl1->addTab(BuildDescriptionPage(), "&Description");
    PageControl1->addTab(BuildMisPage(), "Mis");
    PageControl1->addTab(BuildShortcutPage(), "&Shortcut");
    PageControl1->addTab(BuildAboutPage(), "&About");

    auto* btnOk = Named<QPushButton>("btnOk", "OK");
    auto* btnCancel = Named<QPushButton>("btnCancel", "Cancel");
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmConfig::suitempbtnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmConfig::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto* client = new QVBoxLayout;
    client->setContentsMargins(8, 8, 8, 8);
    client->addWidget(PageControl1, 1);
    client->addLayout(buttons);

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    frame->addWidget(titleBar_);
    frame->addLayout(client, 1);
    setFixedSize(kClientWidth + 2, kClientHeight + titleBar_->height() + 2);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &TfrmConfig::OpenHelp);
}

QMenu* TfrmConfig::BuildSkinMenu()
{
    ppmControl = Named<QMenu>("ppmControl", this);
    auto* group = new QActionGroup(ppmControl);
    const char* names[] = {"MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass", "Theme", "Cool Summer"};
    for (int skin = 0; skin < 7; ++skin) {
        QAction* item = ppmControl->addAction(names[skin]);
        item->setObjectName(QString("pmiSkin%1").arg(skin));
        item->setCheckable(true);
        item->setData(skin);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, skin] { ppmControlHandler(skin); });
    }
    return ppmControl;
}

QWidget* TfrmConfig::BuildPhotoPage()
{
    QWidget* page = Page("tsPhoto");
    chkRandom = Check("chkRandom", "Random Show");
    chkStartPicture = Check("chkStartPicture", "Start Photo:");
    edtStartPic = Named<QLineEdit>("edtStartPic");
    auto* btnStartPic = Named<QPushButton>("btnStartPic", "Browse..");
    connect(btnStartPic, &QPushButton::clicked, this, &TfrmConfig::btnStartPicClick);

    auto* start = new QHBoxLayout;
    start->addWidget(chkStartPicture);
    start->addWidget(edtStartPic, 1);
    start->addWidget(btnStartPic);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(chkRandom);
    layout->addLayout(start);
    layout->addStretch(1);
    return page;
}

QWidget* TfrmConfig::BuildMusicPage()
{
    QWidget* page = Page("tsMusic");
    lsbMusic = Named<QListWidget>("lsbMusic");
    lsbMusic->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    chkMusic = Check("chkMusic", "Play Music");
    chkRandomPlay = Check("chkRandomPlay", "Random Play");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lsbMusic, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkMusic);
    checks->addWidget(chkRandomPlay);
    checks->addStretch(1);
    layout->addLayout(checks);
    return page;
}

QWidget* TfrmConfig::BuildElfPage()
{
    QWidget* page = Page("tsElf");
    chkSpeak = Check("chkSpeak", "Show the character and let it speak the description");
    speX = SpinEdit("speX");
    speY = SpinEdit("speY");
    edtAstPath = Named<QLineEdit>("edtAstPath");
    shpBack = ColourShape("shpBack");
    shpBorder = ColourShape("shpBorder");
    TrackBar1 = TrackBar("TrackBar1", 0, 255);
    TrackBar1->setTickInterval(32);

    auto* place = new QHBoxLayout;
    place->addWidget(Label("lblPosX", "X:"));
    place->addWidget(speX);
    place->addWidget(Label("lblPosY", "Y:"));
    place->addWidget(speY);
    place->addStretch(1);

    auto* GroupBox1 = Named<QGroupBox>("GroupBox1", "Balloon");
    auto* balloon = new QFormLayout(GroupBox1);
    balloon->addRow(Label("lblBack", "Background:"), shpBack);
    balloon->addRow(Label("lblBorder", "Border:"), shpBorder);
    balloon->addRow(Label("lblAlpha", "Transparency:"), TrackBar1);

    auto* layout = new QFormLayout(page);
    layout->addRow(chkSpeak);
    layout->addRow(Label("lblPosition", "Position in the show:"), place);
    layout->addRow(Label("lblAstPath", "Character:"), edtAstPath);
    layout->addRow(GroupBox1);
    return page;
}

QWidget* TfrmConfig::BuildDescriptionPage()
{
    QWidget* page = Page("tsDescription");
    memExif = Named<QPlainTextEdit>("memExif");
    memNoExif = Named<QPlainTextEdit>("memNoExif");
    auto* tabs = Named<QTabWidget>("PageControl2");
    auto* exifPage = Page("tsIncludeExif");
    (new QVBoxLayout(exifPage))->addWidget(memExif);
    auto* noExifPage = Page("tsNotIncludeExif");
    (new QVBoxLayout(noExifPage))->addWidget(memNoExif);
    tabs->addTab(exifPage, "Include EXIF");
    tabs->addTab(noExifPage, "Not Include EXIF");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label("lblTemplates", "What the character says about each photo:"));
    layout->addWidget(tabs, 1);
    return page;
}

QWidget* TfrmConfig::BuildMisPage()
{
    QWidget* page = Page("tsMis");
    speStay = SpinEdit("speStay");
    speStay->setSingleStep(500);
    trbSpeed = TrackBar("trbSpeed", 1, 10);
    chkSleep = Check("chkSleep", "Sleep Mode");
    edtPreview = Named<QLineEdit>("edtPreview");
    auto* btnPreview = Named<QPushButton>("btnPreview", "Browse...");
    connect(btnPreview, &QPushButton::clicked, this, &TfrmConfig::btnPreviewClick);
    chbMouse = Check("chbMouse", "Ignore Mouse Movement");
    connect(chbMouse, &QCheckBox::clicked, this, &TfrmConfig::chbMouseClick);
    trbMouse = TrackBar("trbMouse", 1, 10);
    cmbLang = Named<QComboBox>("cmbLang");
    connect(cmbLang, &QComboBox::currentIndexChanged, this, &TfrmConfig::cmbLangChange);

    auto* preview = new QHBoxLayout;
    preview->addWidget(edtPreview, 1);
    preview->addWidget(btnPreview);

    auto* layout = new QFormLayout(page);
    layout->addRow(Label("lblStay", "Photo stays (ms):"), speStay);
    layout->addRow(Label("lblSpeed", "Transition speed:"),
                   WithEnds(trbSpeed, Label("lblFast", "Fast"), Label("lblSlow", "Slow")));
    layout->addRow(chkSleep);
    layout->addRow(Label("lblPreview", "Preview folder:"), preview);
    layout->addRow(chbMouse);
    layout->addRow(Label("lblMouse", "Mouse sensitivity:"),
                   WithEnds(trbMouse, Label("lblHigh", "High"), Label("lblLow", "Low")));
    layout->addRow(Label("lblLang", "Language:"), cmbLang);
    return page;
}

QWidget* TfrmConfig::BuildShortcutPage()
{
    QWidget* page = Page("tsShortcut");
    chkPause = Check("chkPause", "Pause :          [Ctrl]");
    chkWallpaper = Check("chkWallpaper", "Set as wallpaper:           [ W ]");
    chkDescription = Check("chkDescription", "Edit Description           [ D ]");
    chkDelete = Check("chkDelete", "Delete         [ Del l]");
    chkMusicSwitch = Check("chkMusicSwitch", "Music On/Off       [ M ]");
    auto* layout = new QVBoxLayout(page);
    for (QCheckBox* box : {chkPause, chkWallpaper, chkDescription, chkDelete, chkMusicSwitch})
        layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

QWidget* TfrmConfig::BuildAboutPage()
{
    QWidget* page = Page("tsAbout");
    lblProduct = Label("lblProduct", "Vistamoor");
    QFont big = lblProduct->font();
    big.setPointSize(20);
    big.setBold(true);
    lblProduct->setFont(big);
    lblProduct->setParent(page);
    lblProduct->setGeometry(200, 40, 260, 40);
    auto* lblVersion = Label("lblVersion", "Version " VISTAMOOR_VERSION);
    lblVersion->setParent(page);
    lblVersion->setGeometry(200, 90, 300, 20);
    auto* lblAbout = Label("lblAbout", "A photo slideshow screensaver with a friendly frog.");
    lblAbout->setParent(page);
    lblAbout->setWordWrap(true);
    lblAbout->setGeometry(40, 140, 480, 60);
    return page;
}

void TfrmConfig::SettingsToControls()
{
    const TShowSettings& s = settings_;
    lsbMusic->clear();
    for (const std::string& path : s.MusicList)
        lsbMusic->addItem(Q(path));
    speStay->setValue(s.Stay);
    trbSpeed->setValue(s.Speed);
    chkSleep->setChecked(s.Sleep);
    chkMusic->setChecked(s.MusicOn);
    chkStartPicture->setChecked(s.UseStartPic);
    edtStartPic->setText(Q(s.StartPicPath));
    edtPreview->setText(Q(s.Preview));
    PageControl1->setCurrentIndex(s.TabIndex);
    chkSpeak->setChecked(s.SpeakDescript);
    speX->setValue(s.PosX);
    speY->setValue(s.PosY);
    edtAstPath->setText(Q(s.AssistantPath));
    Paint(shpBack, s.BackColor);
    Paint(shpBorder, s.BorderColor);
    TrackBar1->setValue(s.AlphaBlendValue);
    memExif->setPlainText(Q(s.ExifFormat));
    memNoExif->setPlainText(Q(s.NoExifFormat));
    chbMouse->setChecked(s.IgnoreMouseMove);
    trbMouse->setValue(s.MouseSensitivity);
    trbMouse->setEnabled(!s.IgnoreMouseMove);
    ppmControlHandler(s.Skin);
    chkPause->setChecked(s.Pause);
    chkWallpaper->setChecked(s.Wallpaper);
    chkDescription->setChecked(s.Description);
    chkDelete->setChecked(s.Delete);
    chkMusicSwitch->setChecked(s.Music);
    chkRandom->setChecked(s.RandomShow);
    chkRandomPlay->setChecked(s.RandomPlay);
}

void TfrmConfig::ControlsToSettings()
{
    TShowSettings& s = settings_;
    s.MusicList.clear();
    for (int i = 0; i < lsbMusic->count(); ++i)
        s.MusicList.push_back(S(lsbMusic->item(i)->text()));
    s.Stay = speStay->value();
    s.Speed = trbSpeed->value();
    s.Sleep = chkSleep->isChecked();
    s.MusicOn = chkMusic->isChecked();
    s.UseStartPic = chkStartPicture->isChecked();
    s.StartPicPath = S(edtStartPic->text());
    s.Preview = S(edtPreview->text());
    s.TabIndex = PageControl1->currentIndex();
    s.SpeakDescript = chkSpeak->isChecked();
    s.PosX = speX->value();
    s.PosY = speY->value();
    s.AssistantPath = S(edtAstPath->text());
    s.BackColor = shpBack->property("colour").toInt();
    s.BorderColor = shpBorder->property("colour").toInt();
    s.AlphaBlendValue = TrackBar1->value();
    s.ExifFormat = S(memExif->toPlainText().replace('\n', "\r\n"));
    s.NoExifFormat = S(memNoExif->toPlainText().replace('\n', "\r\n"));
    s.IgnoreMouseMove = chbMouse->isChecked();
    s.MouseSensitivity = trbMouse->value();
    s.Skin = -1;
    for (QAction* item : ppmControl->actions())
        if (item->isChecked()) {
            s.Skin = item->data().toInt();
            break;
        }
    s.Pause = chkPause->isChecked();
    s.Wallpaper = chkWallpaper->isChecked();
    s.Description = chkDescription->isChecked();
    s.Delete = chkDelete->isChecked();
    s.Music = chkMusicSwitch->isChecked();
    s.RandomShow = chkRandom->isChecked();
    s.RandomPlay = chkRandomPlay->isChecked();
}

} // namespace vm
