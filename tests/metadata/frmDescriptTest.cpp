#include "metadata/qt/frmDescript.h"

#include "util/AtomicFile.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace vm;
namespace fs = std::filesystem;

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "frmDescriptTest";
    static char* argv[] = {name, nullptr};
    // Lives to the end of the process: destroying it among the static
    // objects at exit would outlive the platform plugin.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class DescriptWindow : public testing::Test {
protected:
    void SetUp() override
    {
        App();
        dir_ = fs::temp_directory_path() / ("vm-frm-" + std::to_string(::getpid()) + "-"
                                            + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        lang_ = (dir_ / "en.lng").string();
        std::ofstream(lang_) << "[LANGUAGE]\nName=English\n[FONT]\nName=DejaVu Sans\nSize=9\n"
                                "[STRING]\nstrDescript=Please describe the photo:\n"
                                "[COMPONENT]\nfrmDescript.ofbCancel.Caption=&Never mind\n";
        photo_ = (dir_ / "IMG_1.jpg").string();
        host_.currentPhotoPath = [this] { return photo_; };
        host_.setPointerVisible = [this](bool visible) { pointer_.push_back(visible); };
        host_.resumeShow = [this] { ++resumed_; };
        host_.showError = [this](const std::string& message) { errors_.push_back(message); };
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string FileBytes() const
    {
        std::string bytes;
        ReadWholeFile((dir_ / "descript.ion").string(), bytes);
        return bytes;
    }

    fs::path dir_;
    std::string lang_;
    std::string photo_;
    DescriptHost host_;
    std::vector<bool> pointer_;
    int resumed_ = 0;
    std::vector<std::string> errors_;
};

} // namespace

TEST_F(DescriptWindow, ShowsThePhotosNameAndDescription)
{
    std::ofstream(dir_ / "descript.ion", std::ios::binary) << "IMG_1.jpg Sunset\r\n";
    TfrmDescript w(host_, lang_);
    w.show();
    EXPECT_EQ(w.Label1->text().toStdString(), "Please describe the photo:\r\n  IMG_1.jpg");
    EXPECT_EQ(w.Memo1->toPlainText().toStdString(), "Sunset");
    EXPECT_EQ(w.ofbCancel->text().toStdString(), "&Never mind") << "translated at creation";
    EXPECT_EQ(w.ofbOK->text().toStdString(), "&OK");
    EXPECT_EQ(w.size(), QSize(330, 226));
    EXPECT_EQ(pointer_, std::vector<bool>{true});
    if (const char* shot = std::getenv("VM_SCREENSHOT")) {
        QTest::qWait(100);
        w.grab().save(shot);
    }
}

TEST_F(DescriptWindow, EnterWritesTheLineAndResumesTheShow)
{
    for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        TfrmDescript w(host_, lang_);
        w.show();
        w.Memo1->setPlainText("Sunset");
        QTest::keyClick(w.Memo1, Qt::Key_Return, modifiers);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_EQ(FileBytes(), "IMG_1.jpg Sunset\r\n");
    }
    EXPECT_EQ(resumed_, 2);
    EXPECT_EQ(pointer_, (std::vector<bool>{true, false, true, false}));
}

TEST_F(DescriptWindow, EscapeWritesNothing)
{
    TfrmDescript w(host_, lang_);
    w.show();
    w.Memo1->setPlainText("Sunset");
    QTest::keyClick(w.Memo1, Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(fs::exists(dir_ / "descript.ion"));
    EXPECT_EQ(resumed_, 1);
}

TEST_F(DescriptWindow, AFailedWriteKeepsTheWindowOpenAndTheShowPaused)
{
    std::ofstream(dir_ / "blocker") << "x";
    photo_ = (dir_ / "blocker" / "IMG_1.jpg").string();
    TfrmDescript w(host_, lang_);
    w.show();
    w.Memo1->setPlainText("Sunset");
    QTest::mouseClick(w.ofbOK, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].find("blocker"), std::string::npos) << errors_[0];
    EXPECT_EQ(resumed_, 0);
    EXPECT_EQ(pointer_, std::vector<bool>{true});
    EXPECT_EQ(w.Memo1->toPlainText().toStdString(), "Sunset") << "the text stays for another try";
    QTest::mouseClick(w.ofbCancel, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(resumed_, 1);
}

TEST_F(DescriptWindow, GetDescriptReadsTheFileWithoutTouchingTheOpenEditor)
{
    std::ofstream(dir_ / "descript.ion", std::ios::binary) << "IMG_1.jpg Old\r\n";
    TfrmDescript w(host_, lang_);
    w.show();
    std::ofstream(dir_ / "descript.ion", std::ios::binary) << "IMG_1.jpg Changed\r\n";
    EXPECT_EQ(w.GetDescript(), "Changed");
    EXPECT_EQ(w.Memo1->toPlainText().toStdString(), "Old");
    EXPECT_EQ(w.Editor().FLineIndex(), 0);
}

TEST_F(DescriptWindow, ClearingAndConfirmingRemovesTheLine)
{
    std::ofstream(dir_ / "descript.ion", std::ios::binary) << "a.jpg A\r\nIMG_1.jpg Old\r\n";
    TfrmDescript w(host_, lang_);
    w.show();
    w.Memo1->clear();
    QTest::mouseClick(w.ofbOK, Qt::LeftButton);
    EXPECT_EQ(FileBytes(), "a.jpg A\r\n");
}
