#pragma once
// TPicShow: the picture-show control as a Qt widget. All behaviour is TCustomPicShow's;
// the widget paints the finished back buffer and carries the worker's requests over
// to the GUI thread (queued calls and a posted ThreadDone event). Opaque: it paints
// every pixel itself and never erases.
#include "transitions/CustomPicShow.h"

#include <QImage>
#include <QWidget>

namespace vm {

class TPicShow : public QWidget, public TCustomPicShow {
    Q_OBJECT
public:
    explicit TPicShow(QWidget* parent = nullptr);
    ~TPicShow() override;

    void SetPictureImage(const QImage& image);   // empty image: no picture
    void SetBgPictureImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

    void RepaintNow() override;
    void ScheduleRepaint() override;
    void RequestPaintOnGuiThread() override;
    void PostThreadDone(uint64_t generation) override;
    void DispatchPostedThreadDone() override;
    void ProcessMessages(int maxWaitMs) override;
    void SetClientSize(int width, int height) override;
};

} // namespace vm
