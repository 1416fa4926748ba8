#include "metadata/qt/frmDescript.h"

#include "lang/TranslateForm.h"
#include "toolkit/QtConversions.h"
#include "util/Error.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vm {

namespace {

constexpr int kClientWidth = 330;
constexpr int kClientHeight = 226;
// Light yellow buttons: colour value 13434879 (0x00CCFFFF, blue in the high byte).
const char* const kButtonStyle =
    "QPushButton { background: #FFFFCC; border: 1px solid #B0B090; }"
    "QPushButton:hover { border-color: #606040; }"
    "QPushButton:pressed { background: #EEEEAA; }";

} // namespace

TfrmDescript::TfrmDescript(DescriptHost host, const std::string& langFile, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , host_(std::move(host))
{
    setObjectName("frmDescript");
    setWindowTitle("Description:");
    setFixedSize(kClientWidth, kClientHeight);
    if (!host_.showError)
        host_.showError = [this](const std::string& message) {
            QMessageBox::critical(this, windowTitle(), QString::fromStdString(message));
        };

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(7, 6, 316, 48);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(7, 56, 316, 119);
    Memo1->installEventFilter(this);

    ofbOK = new QPushButton("&OK", this);
    ofbOK->setObjectName("ofbOK");
    ofbOK->setGeometry(56, 186, 100, 31);
    ofbCancel = new QPushButton("&Cancel", this);
    ofbCancel->setObjectName("ofbCancel");
    ofbCancel->setGeometry(174, 186, 100, 31);
    for (QPushButton* button : {ofbOK, ofbCancel}) {
        button->setFlat(true);
        button->setAutoDefault(false);
        button->setStyleSheet(kButtonStyle);
    }
    connect(ofbOK, &QPushButton::clicked, this, &TfrmDescript::ofbOKClick);
    connect(ofbCancel, &QPushButton::clicked, this, &TfrmDescript::ofbCancelClick);

    // FormCreate
    sm.SetLangFile(langFile);
    TranslateForm(sm, this);
    setFont(ToQFont(sm.LanguageFont(false)));
    QFont memoFont = font(); // the language's face at the memo's own 16 pixels
    memoFont.setPixelSize(16);
    Memo1->setFont(memoFont);
}

std::string TfrmDescript::GetDescript() const
{
    return vm::GetDescript(host_.currentPhotoPath ? host_.currentPhotoPath() : std::string());
}

void TfrmDescript::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmDescript::FormShow()
{
    host_.setPointerVisible(true);
    Memo1->clear();
    editor_.Open(host_.currentPhotoPath ? host_.currentPhotoPath() : std::string());
    std::string label;
    sm.LanguageString("strDescript", label);
    Label1->setText(QString::fromStdString(label + "\r\n  " + editor_.FPhotoName()));
    Memo1->setPlainText(QString::fromStdString(editor_.InitialText()));
    Memo1->moveCursor(QTextCursor::End);
    Memo1->setFocus();
    if (!editor_.LoadError().empty())
        host_.showError(editor_.LoadError());
}

bool TfrmDescript::eventFilter(QObject* watched, QEvent* event)
{
    // Memo1KeyDown: Enter is OK and Escape is Cancel, whatever modifiers are held.
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ofbOKClick();
            return true;
        }
        if (key == Qt::Key_Escape) {
            ofbCancelClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmDescript::ofbOKClick()
{
    try {
        if (editor_.Commit(Memo1->toPlainText().toStdString()))
            Memo1->clear();
    } catch (const Error& e) {
        // Nothing was lost; the viewer may try again or cancel.
        host_.showError(e.what());
        return;
    }
    CloseAndResume(true);
}

void TfrmDescript::ofbCancelClick()
{
    CloseAndResume(false);
}

void TfrmDescript::CloseAndResume(bool written)
{
    written ? accept() : reject();
    host_.setPointerVisible(false);
    host_.resumeShow();
}

} // namespace vm
