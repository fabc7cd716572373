#include "ConditionBinding.h"

#include "ui/widgets/QtText.h"
#include "core/SideBySide.h"
#include "ui/widgets/TextConversion.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QAbstractButton>
#include <QCheckBox>

#include <type_traits>
#include <vector>

namespace shrink4 {

namespace {

QString shownText(const ControlMeta& meta, const std::string& text)
{
    return meta.kind == ControlKind::Range ? QString::fromStdString(text) : fromInputText(text);
}

void writeText(const ControlMeta& meta, TextBox* box, const std::string& text, bool asEdit)
{
    const QString shown = shownText(meta, text);
    if (asEdit) {
        if (box->toPlainText() != shown)
            box->replaceAll(shown);
    } else if (auto* line = qobject_cast<LineBox*>(box)) {
        line->setText(shown);
    } else {
        box->setPlainText(shown);
    }
}

// A box's text waiting to become condition text.
using TextRead = ConditionSnapshot::Text;

// Multi-line boxes hold LF line breaks, conditions CR LF; single-line boxes are taken as
// they are. Converting ten megabytes takes tens of milliseconds, so boxes that full are
// converted side by side (a QString is safe to read from several threads).
void convertTexts(std::vector<TextRead>& reads)
{
    std::size_t units = 0;
    for (const auto& r : reads)
        units += std::size_t(r.shown.size());
    runSideBySideIfLarge(reads.size(), units, [&reads](std::size_t i) {
        TextRead& r = reads[i];
        *r.value = r.meta->kind == ControlKind::TextBox ? toInputText(r.shown) : r.shown.toStdString();
    });
}

struct Reader {
    const ControlWidgets& w;
    const ControlMeta& meta;
    std::vector<TextRead>& reads;
    void operator()(std::string& v) const { reads.push_back({&meta, w.texts[0]->toPlainText(), &v}); }
    void operator()(int& v) const { v = checkValue(w.checks[0]); }
    template <std::size_t N>
    void operator()(std::array<std::string, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            reads.push_back({&meta, w.texts[qsizetype(i)]->toPlainText(), &v[i]});
    }
    template <std::size_t N>
    void operator()(std::array<int, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            v[i] = checkValue(w.checks[qsizetype(i)]);
    }
    template <std::size_t N>
    void operator()(std::array<bool, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            v[i] = w.toggles[qsizetype(i)]->isChecked();
    }
};

struct Writer {
    const ControlWidgets& w;
    const ControlMeta& meta;
    bool asEdit;
    void operator()(const std::string& v) const { writeText(meta, w.texts[0], v, asEdit); }
    void operator()(int v) const { setCheckValue(w.checks[0], v); }
    template <std::size_t N>
    void operator()(const std::array<std::string, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            writeText(meta, w.texts[qsizetype(i)], v[i], asEdit);
    }
    template <std::size_t N>
    void operator()(const std::array<int, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            setCheckValue(w.checks[qsizetype(i)], v[i]);
    }
    template <std::size_t N>
    void operator()(const std::array<bool, N>& v) const
    {
        for (std::size_t i = 0; i < N; ++i)
            w.toggles[qsizetype(i)]->setChecked(v[i]);
    }
};

void clearWidgets(const ControlMeta& meta, const ControlWidgets& w)
{
    for (TextBox* box : w.texts)
        box->replaceAll(fromInputText(meta.startText)); // undoable, as every clearing
    setChecks(w, 0, int(w.checks.size()), false);
    for (QAbstractButton* b : w.toggles)
        b->setChecked(false);
}

} // namespace

void setCheckValue(QCheckBox* box, int value)
{
    // Greyed only when a scheme asks for it; a user's click then never cycles through it.
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

ConditionSnapshot snapshotConditions(const ConditionForm& form)
{
    ConditionSnapshot snapshot;
    forEachControl(*snapshot.inputs, [&](const ControlMeta& meta, auto& value) {
        Reader{form[meta.id], meta, snapshot.texts}(value);
    });
    return snapshot;
}

ConditionInputs finishConditions(ConditionSnapshot snapshot)
{
    convertTexts(snapshot.texts);
    return std::move(*snapshot.inputs);
}

ConditionInputs readConditions(const ConditionForm& form)
{
    return finishConditions(snapshotConditions(form));
}

void writeConditions(const ConditionForm& form, const ConditionInputs& inputs)
{
    forEachControl(inputs, [&](const ControlMeta& meta, const auto& value) {
        Writer{form[meta.id], meta, false}(value);
    });
}

void editConditions(const ConditionForm& form, const ConditionInputs& inputs)
{
    forEachControl(inputs, [&](const ControlMeta& meta, const auto& value) {
        Writer{form[meta.id], meta, true}(value);
    });
}

void writeBackTexts(const ConditionForm& form, const std::vector<std::pair<ControlId, std::string>>& texts)
{
    std::vector<QString> shown(texts.size());
    std::size_t bytes = 0;
    for (const auto& text : texts)
        bytes += text.second.size();
    runSideBySideIfLarge(texts.size(), bytes, [&](std::size_t i) { shown[i] = fromInputText(texts[i].second); });
    for (std::size_t i = 0; i < texts.size(); ++i) {
        TextBox* box = form[texts[i].first].texts.front();
        if (box->toPlainText() != shown[i]) // a second run leaves the box and its history alone
            box->replaceAll(shown[i]);      // an edit the user can undo
    }
}

void clearControl(const ConditionForm& form, ControlId id)
{
    clearWidgets(controlMeta(id), form[id]);
}

void clearAllConditions(const ConditionForm& form)
{
    for (const ControlMeta& meta : kControlMetas)
        if (!meta.keptByClearAll)
            clearControl(form, meta.id);
}

void connectClearButtons(const ConditionForm& form, QObject* context,
                         const std::function<void(const ControlMeta&, const std::function<void()>&)>& run)
{
    for (const ControlMeta& meta : kControlMetas)
        if (QAbstractButton* button = form[meta.id].clear)
            QObject::connect(button, &QAbstractButton::clicked, context,
                             [&form, &meta, run] { run(meta, [&form, &meta] { clearControl(form, meta.id); }); });
}

void onConditionChange(const ConditionForm& form, QObject* context, const std::function<void()>& changed)
{
    for (const ControlWidgets& w : form.controls) {
        for (TextBox* box : w.texts)
            QObject::connect(box, &TextBox::textChanged, context, changed);
        for (QCheckBox* box : w.checks)
            QObject::connect(box, &QCheckBox::stateChanged, context, changed);
        for (QAbstractButton* b : w.toggles)
            QObject::connect(b, &QAbstractButton::toggled, context, changed);
    }
}

void setChecks(const ControlWidgets& widgets, int first, int count, bool ticked)
{
    for (int i = first; i < first + count; ++i) {
        QCheckBox* box = widgets.checks[i];
        box->setTristate(false);
        box->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace shrink4
