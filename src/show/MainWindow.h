#pragma once
// TfrmMain: the full-screen show. It starts from the captured desktop, brings
// in one fitted photo after another through random transitions on its timer,
// and ends with a transition back to the desktop. GUI thread only.
#include "platform/X11Desktop.h"
#include "raster/Bitmap.h"
#include "show/MouseMoves.h"
#include "show/ShowOrder.h"
#include "show/music/MusicPlaylist.h"

#include <QWidget>
#include <memory>
#include <optional>

class QTimer;

namespace vm {

class TfrmConfig;
class TPicShow;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // Captures the desktop now, before the window covers it.
    explicit TfrmMain(TfrmConfig& config, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TPicShow* PicShow() const { return PicShow1; }
    QTimer* Timer() const { return Timer1; }
    const std::string& CurrentPhoto() const { return currentPhoto_; }

    void ShowPicture(const std::string& path);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void OnTimerShow();
    void FormClose();
    bool MusicStart();
    int RandomStyle() const;
    void CursorStep(int delta);

    TfrmConfig& config_;
    TPicShow* PicShow1 = nullptr;
    QTimer* Timer1 = nullptr;
    Bitmap desktop_;
    std::unique_ptr<ShowOrder> order_;
    std::unique_ptr<MusicPlaylist> music_;
    std::string currentPhoto_;
    std::string previousPhoto_;
    MouseMoves mouseMoves_;
    bool closing_ = false;
    bool started_ = false;
    int cursorCount_ = 0; // visible while >= 0, as the system's display count
    std::optional<ScreenSaverInhibitor> inhibitor_;
};

} // namespace vm
