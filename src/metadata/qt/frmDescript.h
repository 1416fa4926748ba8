#pragma once
// TfrmDescript: the small window in which the viewer writes the description
// of the photo on screen. It holds the controls and forwards to
// DescriptionEditor, which owns the file rules. For now it is a modal window
// of its own; later the character shows it as its custom balloon.
// Runs on the GUI thread only.
#include "lang/MultiLang.h"
#include "metadata/DescriptionEditor.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vm {

// What the show lends the editor.
struct DescriptHost {
    std::function<std::string()> currentPhotoPath;
    // Show the pointer while editing (true), hide it again on close (false).
    std::function<void(bool visible)> setPointerVisible = [](bool) {};
    // Re-arm the show's timer, clear its paused state, switch the hint bulb off.
    std::function<void()> resumeShow = [] {};
    // The application's error box; the window stays open behind it.
    std::function<void(const std::string& message)> showError;
};

class TfrmDescript : public QDialog {
    Q_OBJECT
public:
    // FormCreate: translated from `langFile` (the "Language" setting) and given
    // the language's font without its colour.
    TfrmDescript(DescriptHost host, const std::string& langFile, QWidget* parent = nullptr);

    // The description of the photo on screen, read afresh; leaves the open
    // editor's state alone.
    std::string GetDescript() const;

    const DescriptionEditor& Editor() const { return editor_; }

    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* ofbOK;
    QPushButton* ofbCancel;

public slots:
    void ofbOKClick();
    void ofbCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void CloseAndResume(bool written);

    DescriptHost host_;
    TsMultiLang sm;
    DescriptionEditor editor_;
};

} // namespace vm
