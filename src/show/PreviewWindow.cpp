#include "show/PreviewWindow.h"

#include "platform/X11Window.h"
#include "settings/ConfigDialog.h"
#include "show/PictureFiles.h"
#include "show/PictureLoader.h"
#include "toolkit/MessageBoxes.h"
#include "transitions/widget/PicShow.h"
#include "transitions/widget/RasterImage.h"
#include "util/Random.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace vm {

TfrmPreview::TfrmPreview(uint64_t hostWindow, const StartupContext& context) : host_(hostWindow), context_(context)
{
    setObjectName("frmPreview");
    setWindowFlags(Qt::FramelessWindowHint);
    PicShow1 = new TPicShow(this);
    PicShow1->setObjectName("PicShow1");
    PicShow1->SetColor(0);
    PicShow1->SetStretch(true);
    PicShow1->SetStretchFine(true);
    PicShow1->SetThreaded(false);
    PicShow1->SetAlign(TAlign::alClient); // fills the window: never sized to the picture
    PicShow1->SetPicture(BuiltInPreviewPicture());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PicShow1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    hostWatch_ = new QTimer(this);
    hostWatch_->setInterval(500);
    connect(hostWatch_, &QTimer::timeout, this, [this] { WatchHost(); });

    // Our native window inside the host's; Qt sees a foreign window as 0 x 0,
    // so the size comes from X11.
    const auto geometry = X11WindowGeometry(host_);
    winId();
    if (QWindow* foreign = QWindow::fromWinId(WId(host_)); foreign && windowHandle())
        windowHandle()->setParent(foreign);
    if (geometry)
        setGeometry(0, 0, geometry->width, geometry->height);
    hostWatch_->start();
}

TfrmPreview::~TfrmPreview() = default;

void TfrmPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    QMetaObject::invokeMethod(this, [this] { FormShow(); }, Qt::QueuedConnection);
}

void TfrmPreview::FormShow()
{
    hasPhotos_ = false;
    config_ = std::make_unique<TfrmConfig>(context_);
    if (config_->Terminated()) {
        started_ = false;
        QApplication::exit(1);
        return;
    }
    const std::string folder = config_->Store().ReadString("Miscellaneous", "Preview");
    Random::SeedFromClock();
    Timer1->start();
    if (folder.empty())
        return;
    hasPhotos_ = GetFileList(folder, photos_);
    photoIndex_ = -1;
}

void TfrmPreview::Timer1Timer()
{
    Timer1->stop();
    PicShow1->SetStyle(Random::Next(151));
    PicShow1->ClearScreen();
    try {
        if (hasPhotos_) {
            photoIndex_ = (photoIndex_ + 1) % int(photos_.size());
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            PicShow1->SetPicture(LoadPictureFitted(photos_[size_t(photoIndex_)], {screen.width(), screen.height()}));
        }
        PicShow1->Start();
    } catch (const std::exception& e) {
        // Reported; the preview stays on its last picture.
        ShowErrorBox(this, QString::fromUtf8(e.what()));
        return;
    }
    Timer1->start();
}

void TfrmPreview::WatchHost()
{
    const auto geometry = X11WindowGeometry(host_);
    if (!geometry) {
        // The host is gone: so is the preview.
        hostWatch_->stop();
        Timer1->stop();
        if (PicShow1->Running())
            PicShow1->Stop();
        // Straight out of the event loop: there is no window left to close.
        QApplication::exit(0);
        return;
    }
    if (geometry->width != width() || geometry->height != height())
        setGeometry(0, 0, geometry->width, geometry->height);
}

Bitmap BuiltInPreviewPicture()
{
    QImage image(91, 109, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 109);
    sky.setColorAt(0, QColor(0x2f, 0x5f, 0x8f));
    sky.setColorAt(0.6, QColor(0xf4, 0xb0, 0x6a));
    sky.setColorAt(1, QColor(0xf8, 0xd8, 0x8c));
    p.fillRect(image.rect(), sky);
    p.setBrush(QColor(0xfb, 0xee, 0xa0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(66, 40), 10, 10); // the sun
    p.setBrush(QColor(0x3c, 0x7a, 0x3a));
    QPainterPath moor;
    moor.moveTo(0, 78);
    moor.cubicTo(25, 66, 60, 86, 91, 72);
    moor.lineTo(91, 109);
    moor.lineTo(0, 109);
    p.drawPath(moor);
    // A small frog on the moor.
    p.setBrush(QColor(0x6c, 0xc0, 0x4a));
    p.drawEllipse(QPointF(30, 86), 13, 9);
    for (int dx : {-6, 6}) {
        p.setBrush(QColor(0x6c, 0xc0, 0x4a));
        p.drawEllipse(QPointF(30 + dx, 78), 4.5, 4.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(30 + dx, 78), 3, 3);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(30 + dx, 78.5), 1.4, 1.4);
    }
    p.setPen(QPen(QColor(0x22, 0x44, 0x22), 1));
    p.drawArc(QRectF(25, 83, 10, 5), 200 * 16, 140 * 16);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 6, 91, 16), Qt::AlignHCenter, "Vistamoor");
    p.end();
    return BitmapFromImage(image);
}

} // namespace vm
