#pragma once
// TCustomPicShow: the picture-show control's state and behaviour without a window.
// It animates the change from what it shows to Picture, frame by frame, with one of
// the catalogue's effects; the window it lives in (TPicShow, or a test double) only
// implements the few hooks under "Window" below and forwards its messages to the
// Handle... methods.
//
// Threads. Everything runs on the thread that created the control (the GUI thread),
// except in threaded mode, where the worker (TAnimateThread) runs: the next-progress
// step, SetProgress with UpdateFrame (the effect and the OnBeforeNewFrame,
// OnCustomDraw, OnAfterNewFrame handlers), the repaint request and OnProgress.
// Handlers of those events must be safe off the GUI thread. Assign handlers and
// change properties other than Style and Manual only while no transition runs.
//
// Locks, always taken in this order: frameLock_ (progress and composition), then
// pictureLock_ (new-picture image), then displayLock_ (display image). Paint holds
// backBufferLock_ and takes displayLock_ inside it. pendingLock_ and paintLock_ are
// leaves. So painting and composing never touch the display image at once.
#include "raster/Bitmap.h"
#include "transitions/Effect.h"
#include "transitions/ManualResetEvent.h"
#include "transitions/PicShowGeometry.h"
#include "transitions/SurfaceLock.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace vm {

class TAnimateThread;

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TCustomPicShow {
public:
    using TNotifyEvent = std::function<void(TCustomPicShow& Sender)>;
    using TCustomDrawEvent = std::function<void(TCustomPicShow& Sender, const Bitmap& Picture, Bitmap& Screen)>;

    TCustomPicShow();
    virtual ~TCustomPicShow();
    TCustomPicShow(const TCustomPicShow&) = delete;
    TCustomPicShow& operator=(const TCustomPicShow&) = delete;

    // Properties (GUI thread).
    const Bitmap& Picture() const { return picture_; } // empty: no graphic
    void SetPicture(const Bitmap& picture);             // copies it
    void ClearPicture();
    const Bitmap& BgPicture() const { return bgPicture_; }
    void SetBgPicture(const Bitmap& picture);
    TBackgroundMode BgMode() const { return bgMode_; }
    void SetBgMode(TBackgroundMode mode);
    uint32_t Color() const { return color_; } // colour number 0x00BBGGRR
    void SetColor(uint32_t color) { color_ = color; }
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool StretchFine() const { return stretchFine_; }
    void SetStretchFine(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool OverDraw() const { return overDraw_; }
    void SetOverDraw(bool value) { overDraw_ = value; }
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool value) { threaded_ = value; }
    TThreadPriority ThreadPriority() const { return threadPriority_; }
    void SetThreadPriority(TThreadPriority value) { threadPriority_ = value; }
    bool Manual() const { return manual_; }
    void SetManual(bool value);
    TShowStyle Style() const { return style_; }
    void SetStyle(int value); // above 150 ignored; the next frame uses the new style
    std::string StyleName() const;
    void SetStyleName(const std::string& name); // no match: nothing changes
    uint16_t Step() const { return step_; }
    void SetStep(int value); // clamped to 1..100
    uint16_t Delay() const { return delay_; }
    void SetDelay(uint16_t value) { delay_ = value; }
    bool Reverse() const { return reverse_; }
    void SetReverse(bool value) { reverse_ = value; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign value) { align_ = value; }

    uint8_t Progress() const { return progress_; }
    // Moves a running transition to value and draws that frame (any thread that
    // drives the transition: the caller in manual mode, the frame loop, the worker).
    void SetProgress(int value);
    bool Running() const { return running_; }

    // What the control shows (the last frame after a transition); read it under LockDisplay.
    const Bitmap& DisplayImage() const { return displayImage_; }
    std::unique_lock<SurfaceLock> LockDisplay() const { return std::unique_lock(displayLock_); }
    Rect PictureRect() const;
    Rect ClientRect() const;

    virtual void Start();
    virtual void Stop();
    virtual void ClearScreen();

    // Events; all receive the control as Sender.
    TNotifyEvent OnChange;
    TCustomDrawEvent OnStart;
    TCustomDrawEvent OnBeforeNewFrame;
    TCustomDrawEvent OnCustomDraw;
    TCustomDrawEvent OnAfterNewFrame;
    TNotifyEvent OnProgress;
    TNotifyEvent OnComplete;
    TNotifyEvent OnStop;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // Messages from the window (GUI thread).
    // Paint: composes the back buffer and hands it to present; ignored while a paint runs.
    void HandlePaint(const std::function<void(const Bitmap& backBuffer)>& present);
    void HandleResize(int clientWidth, int clientHeight);
    void HandleVisibility(bool visible); // a hidden window paints nothing
    void HandleThreadDone(uint64_t generation);
    void HandlePaintRequest(); // the worker's repaint request, run on the GUI thread
    void HandleMouseEnter() { if (OnMouseEnter) OnMouseEnter(*this); }
    void HandleMouseLeave() { if (OnMouseLeave) OnMouseLeave(*this); }
    // The area waiting for a repaint, in client coordinates; taking it clears it.
    std::optional<Rect> TakePendingUpdate();
    bool HasPendingUpdate();

protected:
    // Overridable steps (GUI thread unless said otherwise).
    virtual void Paint(const std::function<void(const Bitmap& backBuffer)>& present);
    virtual void PaintBackground(Bitmap& canvas, const Rect& R);
    virtual void DoChange();
    virtual void DoProgress();                                             // any driving thread
    virtual void DoCustomDraw(const Bitmap& Picture, Bitmap& Screen);      // any driving thread
    virtual void DoBeforeNewFrame(const Bitmap& Picture, Bitmap& Screen);  // any driving thread
    virtual void DoAfterNewFrame(const Bitmap& Picture, Bitmap& Screen);   // any driving thread
    virtual void DoComplete();
    virtual void DoStart(const Bitmap& Picture, Bitmap& Screen);
    virtual void DoStop();

    // Window. The defaults serve a control without a window.
    virtual void RepaintNow() {}                      // paint the pending area now, synchronously
    virtual void ScheduleRepaint() {}                 // any thread: paint the pending area soon
    virtual void RequestPaintOnGuiThread() {}         // worker: make the GUI thread call HandlePaintRequest
    virtual void PostThreadDone(uint64_t generation); // worker: make the GUI thread call HandleThreadDone
    virtual void DispatchPostedThreadDone() {}        // deliver posted ThreadDone messages now
    virtual void ProcessMessages(int maxWaitMs);      // the frame loop's pause between frames
    virtual void SetClientSize(int width, int height) { HandleResize(width, height); }
    virtual uint32_t TickCount() const;

    // The part of destruction that still needs the window: the derived window's
    // destructor calls it first. Stops a transition without events.
    void Destroy();
    bool Destroying() const { return destroying_; }

private:
    friend class TAnimateThread;

    void PrepareTransition();
    void RunAnimation();
    void FrameLoop();
    void StartWorker();
    bool StopWorker();
    void FinishTransition();
    void UpdateFrame();
    void InvalidatePictureArea(Rect R);
    void Invalidate(const Rect& clientArea);
    void InvalidateAll();
    void UpdateWindowNow();
    void FitToPicture();
    void CalcPictureRect();
    int NextProgress() const;
    bool AtEnd() const;
    bool OnGuiThread() const { return std::this_thread::get_id() == guiThread_; }
    void ReleaseUnpaintedFrame();
    void PaintBackgroundAround(const Rect& R, const Rect& covered);

    std::thread::id guiThread_;

    Bitmap picture_;
    Bitmap bgPicture_;
    TBackgroundMode bgMode_ = TBackgroundMode::bmTiled;
    uint32_t color_ = 0x00FFFFFF; // the usual window colour
    std::atomic<bool> center_ = false;
    std::atomic<bool> stretch_ = false;
    std::atomic<bool> stretchFine_ = false;
    bool autoSize_ = true;
    bool overDraw_ = true;
    bool threaded_ = true;
    TThreadPriority threadPriority_ = TThreadPriority::tpNormal;
    std::atomic<bool> manual_ = false;
    std::atomic<TShowStyle> style_ = 51;
    std::atomic<uint16_t> step_ = 4;
    std::atomic<uint16_t> delay_ = 40;
    std::atomic<bool> reverse_ = false;
    TAlign align_ = TAlign::alNone;

    std::atomic<uint8_t> progress_ = 0;
    std::atomic<bool> running_ = false;
    std::atomic<bool> stopping_ = false;
    std::atomic<bool> stopFromWorker_ = false;
    bool painting_ = false;
    bool firstPaintPending_ = true;
    bool destroying_ = false;

    mutable SurfaceLock frameLock_;
    mutable SurfaceLock pictureLock_;
    mutable SurfaceLock displayLock_;
    mutable SurfaceLock backBufferLock_;
    Bitmap displayImage_;
    Bitmap backBuffer_;
    std::unique_ptr<Bitmap> oldScreenImage_;  // exists while Running
    std::unique_ptr<Bitmap> newPictureImage_; // exists while Running
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;

    mutable SurfaceLock geometryLock_; // PictureRect and client size, read by the worker
    Rect pictureRect_;
    int clientWidth_ = 100;
    int clientHeight_ = 100;
    std::atomic<bool> visible_ = true;

    SurfaceLock pendingLock_;
    std::optional<Rect> pending_;

    std::mutex paintLock_; // the worker's repaint handshake
    std::condition_variable painted_;
    bool paintRequested_ = false;

    std::unique_ptr<TAnimateThread> worker_;
    uint64_t workerGeneration_ = 0;
    ManualResetEvent FrameReady{true};
};

} // namespace vm
