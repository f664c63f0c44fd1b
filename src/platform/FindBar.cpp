#include "platform/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

namespace {

// The skin's look: a light grey strip with a grey rim and white rounded buttons
// that turn light blue under the mouse.
constexpr auto barStyle = R"(
FindBar { background: rgb(231, 231, 231); border-top: 1px solid rgb(127, 127, 127); }
QLineEdit { background: white; border: 1px solid rgb(160, 160, 160); border-radius: 3px; padding: 1px 4px; }
QToolButton { background: white; border: 1px solid rgb(160, 160, 160); border-radius: 4px; padding: 1px 8px; }
QToolButton:hover, QToolButton:pressed { background: rgb(196, 226, 252); border-color: rgb(105, 160, 215); }
)";

} // namespace

FindBar::FindBar(QWebEnginePage *findIn, QWidget *parent)
    : QFrame(parent)
    , page(findIn)
    , text(new QLineEdit(this))
    , result(new QLabel(this))
{
    setObjectName(QStringLiteral("findBar"));
    setStyleSheet(QString::fromLatin1(barStyle));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->addWidget(new QLabel(tr("查找："), this));
    text->setObjectName(QStringLiteral("findText"));
    text->setClearButtonEnabled(true);
    layout->addWidget(text, 1);
    result->setObjectName(QStringLiteral("findResult"));
    result->setMinimumWidth(70);
    layout->addWidget(result);

    const struct
    {
        QString caption;
        bool backward;
    } directions[] = {{tr("上一个"), true}, {tr("下一个"), false}};
    for (const auto &direction : directions) {
        auto *button = new QToolButton(this);
        button->setText(direction.caption);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QToolButton::clicked, this, [this, backward = direction.backward] { findNext(backward); });
        layout->addWidget(button);
    }
    auto *closeButton = new QToolButton(this);
    closeButton->setText(QStringLiteral("✕"));
    closeButton->setToolTip(tr("关闭"));
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
    layout->addWidget(closeButton);

    connect(text, &QLineEdit::textEdited, this, [this] { findNext(false); });
    connect(page, &QWebEnginePage::findTextFinished, this, &FindBar::showResult);
    hide();
}

void FindBar::open()
{
    show();
    raise();
    text->setFocus(Qt::ShortcutFocusReason);
    text->selectAll();
}

void FindBar::close()
{
    hide();
    page->findText(QString()); // clears the highlighted matches
    result->clear();
    parentWidget()->setFocus(Qt::OtherFocusReason);
}

void FindBar::findNext(bool backward)
{
    page->findText(text->text(), backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        findNext(event->modifiers() & Qt::ShiftModifier);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}

void FindBar::showResult(const QWebEngineFindTextResult &found)
{
    if (text->text().isEmpty())
        result->clear();
    else if (found.numberOfMatches() == 0)
        result->setText(tr("无匹配"));
    else
        result->setText(QStringLiteral("%1/%2").arg(found.activeMatch()).arg(found.numberOfMatches()));
}
