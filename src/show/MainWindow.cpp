#include "show/MainWindow.h"

#include "util/Global.h"
#include "settings/ConfigDialog.h"
#include "platform/OutputVolume.h"
#include "platform/media/MediaBackend.h"
#include "show/PictureLoader.h"
#include "toolkit/MessageBoxes.h"
#include "transitions/widget/PicShow.h"
#include "transitions/widget/RasterImage.h"
#include "util/Error.h"
#include "util/Random.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <filesystem>

namespace vm {
namespace {

PictureSize ScreenSize()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.width(), screen.height()};
}

Bitmap GetDesktop()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return BitmapFromImage(screen->grabWindow(0).toImage());
}

uint32_t TickCount()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

TfrmMain::TfrmMain(TfrmConfig& config, QWidget* parent) : QWidget(parent), config_(config)
{
    setObjectName("frmMain");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    desktop_ = GetDesktop();

    PicShow1 = new TPicShow(this);
    PicShow1->setObjectName("PicShow1");
    PicShow1->SetCenter(true);
    PicShow1->SetColor(0);
    PicShow1->SetThreaded(false);
    PicShow1->SetAlign(TAlign::alClient); // fills the window: never sized to the picture
    PicShow1->setMouseTracking(true);
    PicShow1->installEventFilter(this);
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PicShow1);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    QPalette black = palette();
    const QColor corner = desktop_.IsEmpty() ? QColor(Qt::black) : QColor::fromRgb(desktop_.At(0, 0));
    black.setColor(QPalette::Window, corner);
    setPalette(black);
    setAutoFillBackground(true);
    setGeometry(QGuiApplication::primaryScreen()->geometry());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (started_)
        return;
    started_ = true;
    SkipTaskbar(winId());
    // Start once the window is on the screen: the first transition runs inside.
    QMetaObject::invokeMethod(this, [this] {
        try {
            FormShow();
        } catch (const std::exception& e) {
            ShowErrorBox(this, QString::fromUtf8(e.what()));
        }
    }, Qt::QueuedConnection);
}

int TfrmMain::RandomStyle() const { return Random::Next(151); }

void TfrmMain::CursorStep(int delta)
{
    const bool wasVisible = cursorCount_ >= 0;
    cursorCount_ += delta;
    const bool visible = cursorCount_ >= 0;
    if (wasVisible && !visible)
        QApplication::setOverrideCursor(Qt::BlankCursor);
    else if (!wasVisible && visible)
        QApplication::restoreOverrideCursor();
}

void TfrmMain::FormShow()
{
    global::Paused = false;
    global::MouseHold = false;
    inhibitor_.emplace();
    Random::SeedFromClock();
    config_.ReadConfig();
    const TShowSettings& s = config_.Settings();
    order_ = std::make_unique<ShowOrder>(AddPicDir(config_.Store()));

    if (order_->Folders().empty()) {
        config_.SuiMsgBox(1, "strJpg", "strPrompt");
        config_.exec();
        close();
        return;
    }
    if (!MusicStart())
        return;
    if (s.Sleep) {
        MonitorLowPower();
        return;
    }
    PicShow1->SetStep(11 - s.Speed);
    Timer1->setInterval(std::max(s.Stay, 0));
    PicShow1->SetStyle(RandomStyle());
    PicShow1->SetPicture(desktop_);
    PicShow1->Start();
    order_->Restart();
    CursorStep(-1);
    // A stay of 0 never fires: the show stays on the desktop, as it always has.
    if (s.Stay > 0 && !closing_)
        Timer1->start();
}

// Starts the first track; false when it is missing (reported; the start ends).
bool TfrmMain::MusicStart()
{
    const TShowSettings& s = config_.Settings();
    // A system without any sound output plays the show without music.
    music_ = std::make_unique<MusicPlaylist>(config_.MediaPlayer1(), s.MusicList, s.MusicOn && HasSoundOutput(),
                                             s.RandomPlay);
    config_.MediaPlayer1().SetOnNotify([this](NotifyValue value) {
        try {
            music_->MediaPlayer1Notify(value);
        } catch (const std::exception& e) {
            ShowErrorBox(this, QString::fromUtf8(e.what())); // that track is skipped, the show goes on
        }
    });
    try {
        if (music_->MusicStart() == MusicPlaylist::StartResult::FirstTrackMissing) {
            config_.SuiMsgBox(0, "strFileNotFound", "strErr", "\r" + music_->FirstTrack());
            return false;
        }
    } catch (const std::exception& e) {
        // A first track that can't be played: reported, and the show goes on without music.
        ShowErrorBox(this, QString::fromUtf8(e.what()));
    }
    return true;
}

void TfrmMain::keyPressEvent(QKeyEvent* event)
{
    const TShowSettings& s = config_.Settings();
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        SetVolume(event->key() == Qt::Key_Up);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (!ctrl && event->key() == Qt::Key_M && s.Music && music_)
        music_->TogglePause();
}

void TfrmMain::Timer1Timer()
{
    Timer1->stop();
    try {
        OnTimerShow();
    } catch (const std::exception& e) {
        // An unreadable photo: reported, and the show stays on the last picture.
        ShowErrorBox(this, QString::fromUtf8(e.what()));
        return;
    }
    if (!global::Paused && !closing_)
        Timer1->start();
}

void TfrmMain::OnTimerShow()
{
    const TShowSettings& s = config_.Settings();
    const auto next = order_->NextPhoto({s.RandomShow, s.UseStartPic, s.StartPicPath});
    if (next) // a pass that found no photo keeps the screen and tries again later
        ShowPicture(*next);
}

void TfrmMain::ShowPicture(const std::string& path)
{
    if (PicShow1->Running())
        PicShow1->Stop();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        config_.SuiMsgBox(0, "strFileNotFound", "strErr");
        CursorStep(+1);
        return;
    }
    previousPhoto_ = currentPhoto_;
    currentPhoto_ = path;
    PicShow1->SetPicture(LoadPictureFitted(path, ScreenSize()));
    PicShow1->SetStyle(RandomStyle());
    PicShow1->ClearScreen();
    PicShow1->Start();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TfrmMain::FormClose()
{
    if (closing_ && !isVisible())
        return;
    closing_ = true;
    if (music_)
        music_->MusicStop();
    Timer1->stop();
    if (!PicShow1->Running() && !desktop_.IsEmpty()) {
        PicShow1->SetStyle(RandomStyle());
        PicShow1->SetPicture(desktop_);
        PicShow1->Start();
    }
    inhibitor_.reset();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PicShow1 && !closing_) {
        if (event->type() == QEvent::MouseButtonPress) {
            close();
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            const TShowSettings& s = config_.Settings();
            if (s.IgnoreMouseMove || global::MouseHold)
                return false;
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (mouseMoves_.Moved(p.x(), p.y(), TickCount(), s.MouseSensitivity))
                close();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vm
