#include "platform/qt/system_colours.h"
#include "platform/qt/widget_controls.h"
#include "utf8/qt_string.h"

#include <QPlainTextEdit>
#include <optional>
#include <utility>

namespace platform {
namespace {

// Texts keep the carriage return and line feed that end their lines; Qt breaks on the feed.
QString displayText(std::string_view text)
{
    return utf8::toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Qt::ScrollBarPolicy policy(bool wanted)
{
    return wanted ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

// A box hidden at start takes its text only after the window's first frame, or when it first
// shows if that comes sooner: laying out text no one sees yet would delay that frame.
class TextEdit final : public QPlainTextEdit {
public:
    TextEdit(std::string_view text, bool now, QWidget* parent)
        : QPlainTextEdit(parent)
        , m_pending(displayText(text))
    {
        if (now)
            takeText();
    }

    QString text() const { return m_pending ? *m_pending : toPlainText(); }

    void takeText()
    {
        if (m_pending)
            setPlainText(*std::exchange(m_pending, std::nullopt));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        takeText();
        QPlainTextEdit::showEvent(event);
    }

private:
    std::optional<QString> m_pending;
};

TextEdit* makeEdit(const ControlDesign& design, QWidget* parent)
{
    auto* edit = new TextEdit(design.text, design.visible, parent);
    const bool vertical =
        design.scrollBars == ScrollBars::Vertical || design.scrollBars == ScrollBars::Both;
    const bool horizontal =
        design.scrollBars == ScrollBars::Horizontal || design.scrollBars == ScrollBars::Both;
    edit->setVerticalScrollBarPolicy(policy(vertical));
    edit->setHorizontalScrollBarPolicy(policy(horizontal));
    // With a horizontal bar long lines scroll; without one they wrap at the box's width.
    edit->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    // A locked box is for reading: its text scrolls and can be selected, not edited.
    edit->setReadOnly(design.locked);
    if (design.locked)
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    applySystemColour(edit, design.background);
    return edit;
}

class TextBoxWidget final : public WidgetControl {
public:
    TextBoxWidget(const ControlDesign& design, QWidget* parent)
        : WidgetControl(makeEdit(design, parent), Backing::Window, design)
    {
    }

    void finishLoading() override { edit()->takeText(); }
    std::string text() const override { return edit()->text().toStdString(); }

private:
    TextEdit* edit() const { return widgetAs<TextEdit>(); }
};

} // namespace

std::unique_ptr<NativeControl> makeTextBoxWidget(const ControlDesign& design, QWidget* parent)
{
    return std::make_unique<TextBoxWidget>(design, parent);
}

} // namespace platform
