#include "lang/TranslateForm.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <fstream>
#include <gtest/gtest.h>

using namespace vm;

namespace {

struct Form {
    QWidget window;
    QPushButton* btnOk = new QPushButton("OK");
    QLabel* Label1 = new QLabel("label");
    QLineEdit* edtPath = new QLineEdit("path");
    QGroupBox* GroupBox1 = new QGroupBox("group");
    QTabWidget* tabs = new QTabWidget;
    QWidget* tsMusic = new QWidget;

    Form()
    {
        window.setObjectName("frmConfig");
        btnOk->setObjectName("btnOk");
        Label1->setObjectName("Label1");
        edtPath->setObjectName("edtPath");
        GroupBox1->setObjectName("GroupBox1");
        tsMusic->setObjectName("tsMusic");
        tabs->addTab(new QWidget, "first");
        tabs->addTab(tsMusic, "&Music");
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : {static_cast<QWidget*>(btnOk), static_cast<QWidget*>(Label1), static_cast<QWidget*>(edtPath),
                           static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(tabs)})
            layout->addWidget(w);
    }
};

TsMultiLang Language(const test::TempDir& dir, const std::string& components)
{
    std::ofstream(dir / "x.lng", std::ios::binary) << "[COMPONENT]\n" << components;
    TsMultiLang lang;
    lang.SetLangFile(dir / "x.lng");
    return lang;
}

} // namespace

class TranslateFormTest : public testing::Test {};

TEST_F(TranslateFormTest, SetsCaptionsTextsAndHintsOfNamedComponents)
{
    test::TempDir dir;
    Form form;
    TranslateForm(Language(dir,
                           "frmConfig.btnOk.Caption=&OK~~now\n"
                           "frmConfig.btnOk.Hint=Keep it\n"
                           "frmConfig.Label1.Caption=Hello\n"
                           "frmConfig.edtPath.Text=/photos\n"
                           "frmConfig.GroupBox1.Caption=Balloon\n"
                           "frmConfig.tsMusic.Caption=Musik\n"),
                  &form.window);
    EXPECT_EQ(form.btnOk->text(), "&OK\r\nnow");
    EXPECT_EQ(form.btnOk->toolTip(), "Keep it");
    EXPECT_EQ(form.btnOk->property("Hint").toString(), "Keep it");
    EXPECT_EQ(form.Label1->text(), "Hello");
    EXPECT_EQ(form.edtPath->text(), "/photos");
    EXPECT_EQ(form.GroupBox1->title(), "Balloon");
    EXPECT_EQ(form.tabs->tabText(1), "Musik");
}

TEST_F(TranslateFormTest, SkipsOtherFormsMissingComponentsAndNonStringProperties)
{
    test::TempDir dir;
    Form form;
    TranslateForm(Language(dir,
                           "frmDescript.btnOk.Caption=other window\n"
                           "FRMCONFIG.btnOk.Caption=case matters\n"
                           "frmConfig.btnMissing.Caption=nobody\n"
                           "frmConfig.btnOk.Font.Name=Arial\n"
                           "frmConfig.btnOk.enabled=0\n"
                           "frmConfig.btnOk.Nonsense=x\n"
                           "frmConfig.frmConfig.Caption=the window itself\n"),
                  &form.window);
    EXPECT_EQ(form.btnOk->text(), "OK");
    EXPECT_TRUE(form.btnOk->isEnabled());
    EXPECT_EQ(form.window.windowTitle(), "");
}

TEST_F(TranslateFormTest, QtStringPropertiesByTheirOwnName)
{
    test::TempDir dir;
    Form form;
    TranslateForm(Language(dir, "frmConfig.edtPath.placeholderText=Choose a folder\n"), &form.window);
    EXPECT_EQ(form.edtPath->placeholderText(), "Choose a folder");
}
