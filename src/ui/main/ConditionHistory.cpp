#include "ConditionHistory.h"

#include "ui/main/ConditionBinding.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QUndoStack>

#include <utility>

namespace shrink4 {

namespace {

// Typing goes on into one step until it pauses this long.
constexpr int kTypingPauseMs = 1000;

enum StepId { kTypingId = 1, kToggleId };

} // namespace

// Marks the history busy while a step is undone or redone: the changes it makes are the
// step's own, not new ones.
class Applying {
public:
    explicit Applying(ConditionHistory& history)
        : m_history(history)
    {
        ++m_history.m_applying;
    }
    ~Applying() { --m_history.m_applying; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

private:
    ConditionHistory& m_history;
};

namespace {

// A change already made when it is recorded: the first redo, QUndoStack's on push, is skipped.
class Step : public QUndoCommand {
public:
    Step(ConditionHistory& history, const QString& name, QUndoCommand* parent)
        : QUndoCommand(name, parent),
          m_history(history),
          m_made(parent == nullptr)
    {
    }
    void undo() final
    {
        Applying applying(m_history);
        undoStep();
    }
    void redo() final
    {
        if (std::exchange(m_made, false))
            return;
        Applying applying(m_history);
        redoStep();
    }

protected:
    virtual void undoStep() = 0;
    virtual void redoStep() = 0;

private:
    ConditionHistory& m_history;
    bool m_made;
};

class CheckStep : public Step {
public:
    CheckStep(ConditionHistory& history, const QString& name, QUndoCommand* parent, QCheckBox* box, int before,
              int after)
        : Step(history, name, parent),
          m_box(box),
          m_before(before),
          m_after(after)
    {
    }

protected:
    void undoStep() override { setCheckValue(m_box, m_before); }
    void redoStep() override { setCheckValue(m_box, m_after); }

private:
    QCheckBox* m_box;
    int m_before;
    int m_after;
};

class ToggleStep : public Step {
public:
    ToggleStep(ConditionHistory& history, const QString& name, QUndoCommand* parent, QAbstractButton* button,
               bool checked)
        : Step(history, name, parent),
          m_button(button),
          m_checked(checked)
    {
    }
    int id() const override { return kToggleId; }
    // A button switched back at once (a refused choice) leaves no step.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ToggleStep*>(other);
        if (next->m_button != m_button || next->m_checked == m_checked)
            return false;
        setObsolete(true);
        return true;
    }

protected:
    void undoStep() override { m_button->setChecked(!m_checked); }
    void redoStep() override { m_button->setChecked(m_checked); }

private:
    QAbstractButton* m_button;
    bool m_checked;
};

class GroupStep : public Step {
public:
    GroupStep(ConditionHistory& history, const QString& name, ConditionHistory::SideEffects effects)
        : Step(history, name, nullptr),
          m_effects(std::move(effects))
    {
    }
    bool hasEffects() const { return bool(m_effects.undo); }

protected:
    void undoStep() override
    {
        QUndoCommand::undo();
        if (m_effects.undo)
            m_effects.undo();
    }
    void redoStep() override
    {
        QUndoCommand::redo();
        if (m_effects.redo)
            m_effects.redo();
    }

private:
    ConditionHistory::SideEffects m_effects;
};

} // namespace

// Edits of one box: the box keeps their text, and this step takes as many of the box's
// own steps as it covers.
class TextStep : public Step {
public:
    TextStep(ConditionHistory& history, const QString& name, QUndoCommand* parent, TextBox* box)
        : Step(history, name, parent),
          m_box(box)
    {
    }
    TextBox* box() const { return m_box; }
    int id() const override { return kTypingId; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const TextStep*>(other);
        if (!m_open || next->m_box != m_box)
            return false;
        m_steps += next->m_steps;
        return true;
    }
    void close()
    {
        m_open = false;
        m_box->sealUndoStep();
    }

protected:
    void undoStep() override
    {
        for (int i = 0; i < m_steps; ++i)
            m_box->undoOwnStep();
    }
    void redoStep() override
    {
        for (int i = 0; i < m_steps; ++i)
            m_box->redoOwnStep();
    }

private:
    TextBox* m_box;
    int m_steps = 1;
    bool m_open = true;
};

ConditionHistory::ConditionHistory(const ConditionForm& form, QObject* parent)
    : QObject(parent),
      m_stack(new QUndoStack(this))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kTypingPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &ConditionHistory::closeTyping);
    connect(qApp, &QApplication::focusChanged, this, &ConditionHistory::closeTyping);
    // Undone, or buried under another step: typing starts a new step.
    connect(m_stack, &QUndoStack::indexChanged, this, [this](int index) {
        if (m_typing && (index == 0 || m_stack->command(index - 1) != m_typing))
            closeTyping();
    });
    watch(form);
}

void ConditionHistory::watch(const ConditionForm& form)
{
    for (const ControlMeta& meta : kControlMetas) {
        const ControlWidgets& w = form[meta.id];
        const QString caption = QString::fromUtf8(meta.caption.data(), qsizetype(meta.caption.size()));
        for (TextBox* box : w.texts) {
            box->setUndoStack(m_stack);
            connect(box, &TextBox::undoStepRecorded, this,
                    [this, box, caption](bool own) { textRecorded(box, caption, own); });
        }
        for (QCheckBox* box : w.checks) {
            m_checks.insert(box, checkValue(box));
            connect(box, &QCheckBox::stateChanged, this, [this, box, caption] { checkChanged(box, caption); });
        }
        for (QAbstractButton* b : w.toggles)
            connect(b, &QAbstractButton::toggled, this,
                    [this, b, caption](bool checked) { toggleChanged(b, caption, checked); });
    }
}

bool ConditionHistory::group(const QString& name, const std::function<void()>& change, SideEffects effects)
{
    closeTyping();
    if (m_group || !recording()) {
        change(); // a part of a larger step, or of one being undone
        return false;
    }
    auto* step = new GroupStep(*this, name, std::move(effects));
    m_group = step;
    struct Reset {
        QUndoCommand*& group;
        ~Reset() { group = nullptr; }
    } reset{m_group};
    try {
        change();
    } catch (...) {
        delete step;
        throw;
    }
    if (step->childCount() == 0 && !step->hasEffects()) {
        delete step;
        return false;
    }
    m_group = nullptr;
    m_stack->push(step);
    return true;
}

void ConditionHistory::restart(const std::function<void()>& change)
{
    closeTyping();
    ++m_restarting;
    change();
    --m_restarting;
    m_stack->clear();
}

void ConditionHistory::closeTyping()
{
    m_pause.stop();
    if (TextStep* typing = std::exchange(m_typing, nullptr))
        typing->close();
}

void ConditionHistory::textRecorded(TextBox* box, const QString& name, bool ownStep)
{
    if (!recording())
        return;
    const QString caption = QStringLiteral("输入 %1").arg(name);
    if (m_group) {
        new TextStep(*this, caption, m_group, box);
        box->sealUndoStep(); // each edit of a group one step of the box
        return;
    }
    m_pause.start();
    if (m_typing && m_typing->box() == box) {
        if (ownStep)
            m_stack->push(new TextStep(*this, caption, nullptr, box)); // joins m_typing
        return;
    }
    closeTyping();
    auto* step = new TextStep(*this, caption, nullptr, box);
    m_stack->push(step);
    m_typing = step;
    m_pause.start();
}

void ConditionHistory::checkChanged(QCheckBox* box, const QString& name)
{
    const int before = m_checks.value(box);
    const int now = checkValue(box);
    m_checks.insert(box, now);
    if (!recording() || before == now)
        return;
    const QString caption = (now == 0 ? QStringLiteral("取消勾选 %1") : QStringLiteral("勾选 %1")).arg(name);
    add(new CheckStep(*this, caption, m_group, box, before, now));
}

void ConditionHistory::toggleChanged(QAbstractButton* button, const QString& name, bool checked)
{
    if (!recording())
        return;
    const QString caption = (checked ? QStringLiteral("选中 %1") : QStringLiteral("取消选中 %1")).arg(name);
    add(new ToggleStep(*this, caption, m_group, button, checked));
}

// A step made inside a group is its child already; any other goes on the stack.
void ConditionHistory::add(QUndoCommand* step)
{
    if (m_group)
        return;
    closeTyping();
    m_stack->push(step);
}

} // namespace shrink4
