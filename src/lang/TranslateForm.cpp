#include "lang/TranslateForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace vm {
namespace {

// The tab widget that shows `page`, and the page's index there.
std::pair<QTabWidget*, int> TabOf(QObject* page)
{
    auto* widget = qobject_cast<QWidget*>(page);
    auto* stack = widget ? qobject_cast<QStackedWidget*>(widget->parentWidget()) : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return {tabs, tabs ? tabs->indexOf(widget) : -1};
}

bool SetCaption(QObject* target, const QString& text)
{
    if (auto [tabs, index] = TabOf(target); tabs && index >= 0) {
        tabs->setTabText(index, text);
        return true;
    }
    if (auto* box = qobject_cast<QGroupBox*>(target))
        box->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(target))
        menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(text);
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else
        return false;
    return true;
}

bool SetText(QObject* target, const QString& text)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(target))
        edit->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(target))
        line->setText(text);
    else
        return SetCaption(target, text);
    return true;
}

bool SetHint(QObject* target, const QString& text)
{
    // The hint is what the character explains about a control; it doubles as
    // the tool tip.
    target->setProperty("Hint", text);
    if (auto* widget = qobject_cast<QWidget*>(target))
        widget->setToolTip(text);
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setToolTip(text);
    return true;
}

void SetQtStringProperty(QObject* target, const std::string& property, const QString& text)
{
    const QMetaObject* meta = target->metaObject();
    const int index = meta->indexOfProperty(property.c_str());
    if (index < 0)
        return;
    const QMetaProperty p = meta->property(index);
    if (p.isWritable() && p.metaType().id() == QMetaType::QString)
        p.write(target, text);
}

} // namespace

void TranslateForm(const TsMultiLang& language, QWidget* form)
{
    const QString formName = form->objectName();
    for (const ComponentText& line : language.ComponentTexts()) {
        if (QString::fromStdString(line.form) != formName)
            continue;
        QObject* target = form->findChild<QObject*>(QString::fromStdString(line.component));
        if (!target)
            continue;
        const QString text = QString::fromStdString(line.value);
        if (line.property == "Caption")
            SetCaption(target, text);
        else if (line.property == "Text")
            SetText(target, text);
        else if (line.property == "Hint")
            SetHint(target, text);
        else
            SetQtStringProperty(target, line.property, text);
    }
}

} // namespace vm
