#pragma once
// TfrmPreview: the small endless slideshow inside the host's window: the photos
// of the preview folder in file-system order, one a second, each with a new
// transition; the built-in picture when there is none. GUI thread only.
#include "raster/Bitmap.h"

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QTimer;

namespace vm {

class TfrmConfig;
class TPicShow;
struct StartupContext;

class TfrmPreview : public QWidget {
    Q_OBJECT
public:
    // A child of the foreign window `hostWindow` (an X11 window id), sized to it.
    TfrmPreview(uint64_t hostWindow, const StartupContext& context);
    ~TfrmPreview() override;

    TPicShow* PicShow() const { return PicShow1; }
    const std::vector<std::string>& Photos() const { return photos_; }
    // False when the settings dialog's creation ended the program.
    bool Started() const { return started_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void WatchHost();

    uint64_t host_;
    const StartupContext& context_;
    std::unique_ptr<TfrmConfig> config_;
    TPicShow* PicShow1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* hostWatch_ = nullptr;
    std::vector<std::string> photos_;
    int photoIndex_ = -1;
    bool hasPhotos_ = false;
    bool started_ = true;
    bool shown_ = false;
};

// The picture shown when the preview folder has no photo: 91 x 109 pixels.
Bitmap BuiltInPreviewPicture();

} // namespace vm
