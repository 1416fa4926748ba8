#include "transitions/CustomPicShow.h"

#include "raster/StretchCopy.h"
#include "transitions/AnimateThread.h"
#include "transitions/ComposeFrame.h"
#include "transitions/EffectCatalogue.h"
#include "util/MulDiv.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace vm {
namespace {

bool HasGraphic(const Bitmap& b) { return !b.IsEmpty(); }

Rect UnionOf(const std::optional<Rect>& a, const Rect& b)
{
    if (!a)
        return b;
    return {std::min(a->Left, b.Left), std::min(a->Top, b.Top), std::max(a->Right, b.Right),
            std::max(a->Bottom, b.Bottom)};
}

} // namespace

TCustomPicShow::TCustomPicShow() : guiThread_(std::this_thread::get_id()), backBuffer_(100, 100) {}

TCustomPicShow::~TCustomPicShow() { Destroy(); }

void TCustomPicShow::Destroy()
{
    if (destroying_)
        return;
    destroying_ = true;
    Stop();
}

// ---- properties -------------------------------------------------------------------

void TCustomPicShow::SetPicture(const Bitmap& picture)
{
    picture_ = picture;
    if (destroying_)
        return;
    if (autoSize_ && HasGraphic(picture_))
        FitToPicture();
    DoChange();
}

void TCustomPicShow::ClearPicture()
{
    picture_ = Bitmap();
    if (!destroying_)
        DoChange();
}

void TCustomPicShow::SetBgPicture(const Bitmap& picture)
{
    bgPicture_ = picture;
    if (bgMode_ != TBackgroundMode::bmNone && !painting_)
        InvalidateAll();
}

void TCustomPicShow::SetBgMode(TBackgroundMode mode)
{
    if (mode == bgMode_)
        return;
    bgMode_ = mode;
    if (HasGraphic(bgPicture_) && !painting_)
        InvalidateAll();
}

void TCustomPicShow::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    if (HasGraphic(picture_)) {
        CalcPictureRect();
        if (!displayImage_.IsEmpty() && !painting_)
            InvalidateAll();
    }
}

void TCustomPicShow::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    if (!displayImage_.IsEmpty() && !painting_)
        InvalidateAll();
}

void TCustomPicShow::SetStretchFine(bool value)
{
    if (value == stretchFine_)
        return;
    stretchFine_ = value;
    if (!displayImage_.IsEmpty() && !painting_)
        InvalidateAll();
}

void TCustomPicShow::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    if (autoSize_)
        FitToPicture();
}

void TCustomPicShow::SetStyle(int value)
{
    if (value < 0 || value > kMaxStyle || value == style_)
        return;
    // Our images are always 32 bits a pixel, so the pixel styles 118..122 need no switch.
    style_ = TShowStyle(value);
}

std::string TCustomPicShow::StyleName() const { return vm::StyleName(style_); }

void TCustomPicShow::SetStyleName(const std::string& name)
{
    if (const auto style = StyleFromName(name))
        SetStyle(*style);
}

void TCustomPicShow::SetStep(int value) { step_ = uint16_t(std::clamp(value, 1, 100)); }

void TCustomPicShow::SetManual(bool value)
{
    if (value == manual_)
        return;
    manual_ = value;
    StopWorker();
    if (!running_)
        progress_ = reverse_ ? 100 : 0;
    else if (!manual_)
        RunAnimation();
}

Rect TCustomPicShow::PictureRect() const
{
    std::lock_guard lock(geometryLock_);
    return pictureRect_;
}

Rect TCustomPicShow::ClientRect() const
{
    std::lock_guard lock(geometryLock_);
    return {0, 0, clientWidth_, clientHeight_};
}

// ---- transitions --------------------------------------------------------------------

void TCustomPicShow::Start()
{
    if (!HasGraphic(picture_) || running_)
        return;
    running_ = true;
    try {
        PrepareTransition();
        if (!manual_ && !stopping_)
            RunAnimation();
    } catch (...) {
        {
            std::scoped_lock lock(pictureLock_, displayLock_);
            newPictureImage_.reset();
            oldScreenImage_.reset();
        }
        running_ = false;
        throw;
    }
}

void TCustomPicShow::PrepareTransition()
{
    pictureWidth_ = picture_.Width();
    pictureHeight_ = picture_.Height();
    {
        std::lock_guard lock(displayLock_);
        displayImage_.Resize(pictureWidth_, pictureHeight_);
    }
    CalcPictureRect();
    const Rect client = ClientRect();
    const Rect pictureRect = PictureRect();
    const Rect source = !stretch_ ? pictureRect : stretchFine_ ? AspectFit(pictureRect, client) : client;

    auto snapshot = std::make_unique<Bitmap>(pictureWidth_, pictureHeight_, PixelFromColor(color_));
    {
        std::lock_guard lock(backBufferLock_);
        if (firstPaintPending_ || !overDraw_)
            PaintBackground(backBuffer_, client);
        // Nearest pixel: rows and columns are dropped, never blended.
        StretchCopy(*snapshot, snapshot->Bounds(), backBuffer_, source);
    }
    {
        std::scoped_lock lock(pictureLock_, displayLock_);
        oldScreenImage_ = std::move(snapshot);
        newPictureImage_ = std::make_unique<Bitmap>(picture_);
    }
    progress_ = reverse_ ? 100 : 0;
    DoStart(*newPictureImage_, *oldScreenImage_);
}

void TCustomPicShow::RunAnimation()
{
    if (threaded_)
        StartWorker();
    else
        FrameLoop();
}

int TCustomPicShow::NextProgress() const
{
    const int p = progress_, step = step_;
    if (reverse_)
        return p > step ? p - step : 0;
    return 100 - step > p ? p + step : 100;
}

bool TCustomPicShow::AtEnd() const { return progress_ == (reverse_ ? 0 : 100); }

void TCustomPicShow::FrameLoop()
{
    bool done = false;
    do {
        const uint32_t t0 = TickCount();
        SetProgress(NextProgress());
        if (AtEnd()) {
            done = !manual_;
        } else {
            while (true) {
                const uint32_t elapsed = TickCount() - t0;
                if (elapsed > delay_ || manual_ || stopping_ || !running_)
                    break;
                ProcessMessages(int(delay_ - elapsed));
            }
        }
    } while (!done && !manual_ && !stopping_ && running_);
    // A handler may have stopped (and so finished) the transition, or switched to manual.
    if (!manual_ && running_)
        FinishTransition();
}

void TCustomPicShow::StartWorker()
{
    FrameReady.Set(); // nothing waits to be painted yet
    worker_ = std::make_unique<TAnimateThread>(*this, ++workerGeneration_, threadPriority_);
}

bool TCustomPicShow::StopWorker()
{
    if (!worker_)
        return false;
    worker_->Terminate();
    FrameReady.Set();
    worker_->WaitFor();
    const uint64_t generation = worker_->Generation();
    if (worker_->Started())
        DispatchPostedThreadDone();
    if (worker_ && worker_->Generation() == generation)
        HandleThreadDone(generation); // not delivered (no window): handle it here
    return true;
}

void TCustomPicShow::HandleThreadDone(uint64_t generation)
{
    if (!worker_ || worker_->Generation() != generation)
        return; // already handled, or from an earlier worker
    const bool failed = worker_->Failed() || stopFromWorker_.exchange(false);
    worker_.reset();
    if (failed) { // finish as a stop: no OnComplete
        const bool wasStopping = stopping_.exchange(true);
        FinishTransition();
        stopping_ = wasStopping;
        return;
    }
    if (stopping_ || !manual_)
        FinishTransition();
}

void TCustomPicShow::Stop()
{
    if (!running_ || stopping_)
        return;
    if (TAnimateThread* worker = TAnimateThread::Current(); worker && &worker->Control() == this) {
        // A handler on the worker asked: the worker ends, and its ThreadDone finishes
        // the transition as stopped.
        stopFromWorker_ = true;
        worker->Terminate();
        return;
    }
    stopping_ = true;
    try {
        if (manual_ || !StopWorker())
            FinishTransition();
    } catch (...) {
        stopping_ = false;
        throw;
    }
    stopping_ = false;
}

void TCustomPicShow::FinishTransition()
{
    running_ = false;
    {
        std::scoped_lock lock(pictureLock_, displayLock_);
        newPictureImage_.reset();
        oldScreenImage_.reset();
    }
    if (destroying_)
        return;
    if (!stopping_)
        DoComplete();
    DoStop();
}

void TCustomPicShow::ClearScreen()
{
    if (running_)
        return;
    {
        std::lock_guard lock(displayLock_);
        if (displayImage_.IsEmpty())
            return;
        displayImage_ = Bitmap();
    }
    InvalidateAll();
}

// ---- frames -------------------------------------------------------------------------

void TCustomPicShow::SetProgress(int value)
{
    value = std::min(value, 100);
    if (!running_ || value == progress_)
        return;
    {
        std::lock_guard lock(frameLock_);
        progress_ = uint8_t(std::max(value, 0));
        UpdateFrame();
    }
    if (HasPendingUpdate())
        UpdateWindowNow();
    else
        FrameReady.Set();
    DoProgress();
}

void TCustomPicShow::UpdateFrame()
{
    std::scoped_lock lock(pictureLock_, displayLock_);
    if (!newPictureImage_ || !oldScreenImage_)
        return; // finished meanwhile
    Bitmap& display = displayImage_;
    const Bitmap& picture = *newPictureImage_;
    Draw(display, 0, 0, *oldScreenImage_); // every frame starts from the snapshot
    DoBeforeNewFrame(picture, display);
    Rect R{0, 0, pictureWidth_, pictureHeight_};
    const int p = progress_;
    if (!DrawProgressFrame(display, picture, R, style_, step_, p))
        DoCustomDraw(picture, display);
    InvalidatePictureArea(R);
    DoAfterNewFrame(picture, display);
}

void TCustomPicShow::InvalidatePictureArea(Rect R)
{
    Rect pictureRect, client;
    {
        std::lock_guard lock(geometryLock_);
        pictureRect = pictureRect_;
        client = {0, 0, clientWidth_, clientHeight_};
    }
    if (stretch_) {
        const Rect F = stretchFine_ ? AspectFit(pictureRect, client) : client;
        const int pw = std::max(pictureRect.Width(), 1), ph = std::max(pictureRect.Height(), 1);
        R = {MulDiv(R.Left, F.Width(), pw) + F.Left, MulDiv(R.Top, F.Height(), ph) + F.Top,
             MulDiv(R.Right, F.Width(), pw) + F.Left, MulDiv(R.Bottom, F.Height(), ph) + F.Top};
    } else {
        if (center_)
            R = R.Translated(pictureRect.Left, pictureRect.Top);
        R = R.Intersected(pictureRect);
    }
    Invalidate(R);
}

void TCustomPicShow::Invalidate(const Rect& clientArea)
{
    if (clientArea.IsEmpty() || !visible_)
        return;
    {
        std::lock_guard lock(pendingLock_);
        pending_ = UnionOf(pending_, clientArea);
    }
    ScheduleRepaint();
}

void TCustomPicShow::InvalidateAll() { Invalidate(ClientRect()); }

std::optional<Rect> TCustomPicShow::TakePendingUpdate()
{
    std::lock_guard lock(pendingLock_);
    return std::exchange(pending_, std::nullopt);
}

bool TCustomPicShow::HasPendingUpdate()
{
    std::lock_guard lock(pendingLock_);
    return pending_.has_value();
}

void TCustomPicShow::UpdateWindowNow()
{
    if (OnGuiThread()) {
        RepaintNow();
        ReleaseUnpaintedFrame();
        return;
    }
    {
        std::lock_guard lock(paintLock_);
        paintRequested_ = true;
    }
    RequestPaintOnGuiThread();
    const TAnimateThread* worker = TAnimateThread::Current();
    std::unique_lock lock(paintLock_);
    painted_.wait(lock, [&] { return !paintRequested_ || !worker || worker->Terminated(); });
    paintRequested_ = false;
}

void TCustomPicShow::HandlePaintRequest()
{
    {
        std::lock_guard lock(paintLock_);
        if (!paintRequested_)
            return;
    }
    RepaintNow();
    ReleaseUnpaintedFrame();
    {
        std::lock_guard lock(paintLock_);
        paintRequested_ = false;
    }
    painted_.notify_all();
}

void TCustomPicShow::ReleaseUnpaintedFrame()
{
    // A window that can't paint now (hidden, or none at all) must not hold the worker.
    if (TakePendingUpdate())
        FrameReady.Set();
}

// ---- painting and geometry ------------------------------------------------------------

void TCustomPicShow::HandlePaint(const std::function<void(const Bitmap& backBuffer)>& present)
{
    if (painting_)
        return;
    painting_ = true;
    TakePendingUpdate();
    try {
        Paint(present);
    } catch (...) {
        FrameReady.Set();
        painting_ = false;
        throw;
    }
    FrameReady.Set();
    painting_ = false;
}

void TCustomPicShow::Paint(const std::function<void(const Bitmap& backBuffer)>& present)
{
    const Rect R = ClientRect();
    const Rect pictureRect = PictureRect();
    {
        std::lock_guard backLock(backBufferLock_);
        std::lock_guard displayLock(displayLock_);
        const Bitmap& display = displayImage_;
        const Rect target = display.IsEmpty() ? Rect{}
                            : !stretch_     ? pictureRect.Intersected(display.Bounds().Translated(pictureRect.Left, pictureRect.Top))
                            : stretchFine_  ? AspectFit(pictureRect, R)
                                            : R;
        PaintBackgroundAround(R, target);
        if (!display.IsEmpty()) {
            if (stretch_)
                StretchCopy(backBuffer_, target, display, display.Bounds());
            else
                Draw(backBuffer_, pictureRect.Left, pictureRect.Top, display);
        }
        if (present)
            present(backBuffer_);
    }
    firstPaintPending_ = false;
}

void TCustomPicShow::PaintBackgroundAround(const Rect& R, const Rect& covered)
{
    // A plain colour needs painting only where the picture won't cover it; a
    // background picture is laid out over all of R, so it is drawn whole.
    const bool plain = bgPicture_.IsEmpty() || bgMode_ == TBackgroundMode::bmNone;
    const Rect c = covered.Intersected(R);
    if (!plain || c.IsEmpty()) {
        PaintBackground(backBuffer_, R);
        return;
    }
    const Pixel color = PixelFromColor(color_);
    backBuffer_.FillRect({R.Left, R.Top, R.Right, c.Top}, color);
    backBuffer_.FillRect({R.Left, c.Bottom, R.Right, R.Bottom}, color);
    backBuffer_.FillRect({R.Left, c.Top, c.Left, c.Bottom}, color);
    backBuffer_.FillRect({c.Right, c.Top, R.Right, c.Bottom}, color);
}

void TCustomPicShow::PaintBackground(Bitmap& canvas, const Rect& R)
{
    vm::PaintBackground(canvas, R, color_, bgPicture_, bgMode_);
}

void TCustomPicShow::HandleResize(int clientWidth, int clientHeight)
{
    {
        std::lock_guard lock(geometryLock_);
        clientWidth_ = std::max(clientWidth, 0);
        clientHeight_ = std::max(clientHeight, 0);
    }
    {
        std::lock_guard lock(backBufferLock_);
        backBuffer_.Resize(clientWidth, clientHeight);
    }
    if (HasGraphic(picture_)) {
        CalcPictureRect();
        bool hasDisplay;
        {
            std::lock_guard lock(displayLock_);
            hasDisplay = !displayImage_.IsEmpty();
        }
        if (hasDisplay && !painting_)
            InvalidateAll();
    }
}

void TCustomPicShow::HandleVisibility(bool visible)
{
    visible_ = visible;
    if (!visible)
        ReleaseUnpaintedFrame();
}

void TCustomPicShow::CalcPictureRect()
{
    int w, h;
    {
        std::lock_guard lock(displayLock_);
        if (displayImage_.IsEmpty())
            return;
        w = displayImage_.Width(), h = displayImage_.Height();
    }
    std::lock_guard lock(geometryLock_);
    pictureRect_ = PictureRectFor(w, h, center_, clientWidth_, clientHeight_);
}

void TCustomPicShow::FitToPicture()
{
    if (!HasGraphic(picture_) || align_ == TAlign::alClient)
        return;
    const Rect client = ClientRect();
    const bool keepWidth = align_ == TAlign::alTop || align_ == TAlign::alBottom;
    const bool keepHeight = align_ == TAlign::alLeft || align_ == TAlign::alRight;
    SetClientSize(keepWidth ? client.Width() : picture_.Width(), keepHeight ? client.Height() : picture_.Height());
}

// ---- events and window defaults ----------------------------------------------------------

void TCustomPicShow::DoChange() { if (OnChange) OnChange(*this); }
void TCustomPicShow::DoProgress() { if (OnProgress) OnProgress(*this); }
void TCustomPicShow::DoCustomDraw(const Bitmap& Picture, Bitmap& Screen) { if (OnCustomDraw) OnCustomDraw(*this, Picture, Screen); }
void TCustomPicShow::DoBeforeNewFrame(const Bitmap& Picture, Bitmap& Screen) { if (OnBeforeNewFrame) OnBeforeNewFrame(*this, Picture, Screen); }
void TCustomPicShow::DoAfterNewFrame(const Bitmap& Picture, Bitmap& Screen) { if (OnAfterNewFrame) OnAfterNewFrame(*this, Picture, Screen); }
void TCustomPicShow::DoComplete() { if (OnComplete) OnComplete(*this); }
void TCustomPicShow::DoStart(const Bitmap& Picture, Bitmap& Screen) { if (OnStart) OnStart(*this, Picture, Screen); }
void TCustomPicShow::DoStop() { if (OnStop) OnStop(*this); }

void TCustomPicShow::PostThreadDone(uint64_t) {} // without a window StopWorker handles it

void TCustomPicShow::ProcessMessages(int maxWaitMs)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(maxWaitMs, 1)));
}

uint32_t TCustomPicShow::TickCount() const
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace vm
