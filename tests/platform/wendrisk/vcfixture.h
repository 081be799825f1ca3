#pragma once

#include "common/recordingobserver.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "wendrisk/vccombobool.h"
#include "wendrisk/vccombosel.h"
#include "wendrisk/vcdatetimeedit.h"
#include "wendrisk/vclineedit.h"
#include "wendrisk/vcnumericfloatspin.h"
#include "wendrisk/vcspinint.h"

#include <QLineEdit>
#include <QTest>

namespace vcfixture
{
using values::ValueDescriptor;
inline const ValueDescriptor g_vdFrequency =
    ValueDescriptor::Double("TstFrequency", "/TstFrequency", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
inline const ValueDescriptor g_vdGain =
    ValueDescriptor::Double("TstGain", "/TstGain", 0.0, "dB", 0.1, 0, -20.0, 60.0);
inline const ValueDescriptor g_vdCount = ValueDescriptor::Int("TstCount", "/TstCount", 5, "", 0, 100);
inline const ValueDescriptor g_vdName = ValueDescriptor::String("TstName", "/TstName", "first");
inline const ValueDescriptor g_vdFlag = ValueDescriptor::Bool("TstFlag", "/TstFlag", false);
using values::SelectionItem;
inline const ValueDescriptor g_vdMode = ValueDescriptor::Selection(
    "TstMode", "/TstMode",
    {SelectionItem("AM", 1.0, 10), SelectionItem("FM", 2.0, 20), SelectionItem("USB", 3.0, 30)}, 20);
inline const ValueDescriptor g_vdTime = ValueDescriptor::String("TstTime", "/TstTime", "");
inline const ValueDescriptor g_vdSeconds = ValueDescriptor::Int("TstSeconds", "/TstSeconds", 0);

// A node below the root of the process-wide tree for values at their defaults, deleted at the end.
struct Scratch
{
    inline static int s_nCount = 0;
    values::Node* pNode = static_cast<values::Node*>(values::Tree::Instance()->GetRoot()->AddItem(
        new values::Node(QStringLiteral("Scratch%1").arg(++s_nCount))));
    ~Scratch() { pNode->GetParentNode()->DeleteItem(pNode); }
    template <class T = values::ValueBase> T* Add(const ValueDescriptor& descriptor)
    {
        return static_cast<T*>(pNode->AddItem(descriptor.CreateItem()));
    }
};

// The editors under test and their values: 0 a frequency line edit at 100 MHz; text line edits on
// 1 a string "first", 2 an int 0..100 at 5, 3 a dB value -20..60 (step 0.1) at 0; float spins on 4
// the frequency, 5 the dB value, 6 the dB value without unit, 2 extra decimals; 7 an int spin;
// 8 a selection AM/FM/USB at FM; 9 yes/no at NO; date-time edits on 10 a text and 11 seconds.
inline const ValueDescriptor* const g_apEditorValues[] = {
    &g_vdFrequency, &g_vdName,  &g_vdCount, &g_vdGain, &g_vdFrequency, &g_vdGain,
    &g_vdGain,      &g_vdCount, &g_vdMode,  &g_vdFlag, &g_vdTime,      &g_vdSeconds};
inline QWidget* Editor(int nEditor, values::ValueBase* pValue, QWidget* pParent = nullptr)
{
    auto Bound = [pValue](auto* pEditor, auto pSetValue) -> QWidget*
    { return (pEditor->*pSetValue)(pValue), pEditor; };
    if (nEditor <= 3)
        return Bound(new VCLineEdit(pParent, "editor", nEditor == 0), &VCLineEdit::SetValueBase);
    if (nEditor <= 6)
    {
        auto* pSpin = new VCNumericFloatSpin(pParent, "editor", nEditor != 6);
        pSpin->setAdditionalPrecision(nEditor == 6 ? 2 : 0);
        return Bound(pSpin, &VCNumericFloatSpin::SetNumericValue);
    }
    if (nEditor == 7)
        return Bound(new VCSpinInt(pParent, "editor"), &VCSpinInt::SetValueInt);
    if (nEditor == 8)
        return Bound(new VCComboSel(pParent, "editor"), &VCComboSel::SetValueSel);
    if (nEditor == 9)
        return Bound(new VCComboBool(pParent, "editor"), &VCComboBool::SetValueBool);
    return Bound(new VCDateTimeEdit(pParent, "editor"), &VCDateTimeEdit::SetValueDateTime);
}

// What the editor shows.
inline QString Shown(QWidget* pEditor)
{
    return pEditor->property(pEditor->inherits("QComboBox") ? "currentText" : "text").toString();
}

// What an operator does in a text field: select everything, type, finish with a key.
inline void TypeInto(QWidget* pWidget, const QString& sText, Qt::Key finish = Qt::Key_Return)
{
    pWidget->setFocus();
    auto* pLine = qobject_cast<QLineEdit*>(pWidget);
    (pLine ? pLine : pWidget->findChild<QLineEdit*>())->selectAll();
    QTest::keyClick(pWidget, Qt::Key_Backspace);
    QTest::keyClicks(pWidget, sText);
    if (finish != Qt::Key_unknown)
        QTest::keyClick(pWidget, finish);
}

// Input into an editor on a value stored as sStart (empty: the default): text finished by Return,
// or only by leaving the field, or keys ("keys:" u up, d down; the year of a date-time).
struct InputRow
{
    int nEditor;
    QString sInput;
    bool bRefused;
    QString sShown, sStored; // afterwards
    QString sStart = {};
    bool bViaReturn = true;
};

// What is taken is written once, as the editor's own change, and shown; a change elsewhere shows.
// A refusal keeps the value and shows a hint (red frame, tool tip), a refused text stays on Return
// (a unit may follow it), and Escape shows the value again.
inline void CheckInput(const InputRow& row)
{
    RecordingObserver watcher(QStringLiteral("other view")); // outlives the value
    Scratch scratch;
    values::ValueBase* pValue = scratch.Add(*g_apEditorValues[row.nEditor]);
    QVERIFY(row.sStart.isEmpty() || pValue->SetAsString(row.sStart));
    watcher.Observe(pValue);
    QWidget window;
    QWidget* pEditor = Editor(row.nEditor, pValue, &window);
    VCBinding* pBinding = dynamic_cast<VCBinding*>(pEditor);
    QLineEdit* pOther = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString sShownBefore = Shown(pEditor), sStoredBefore = pValue->GetAsString();
    const bool bTyped = !row.sInput.startsWith(QStringLiteral("keys:"));
    if (bTyped)
    {
        TypeInto(pEditor, row.sInput, row.bViaReturn ? Qt::Key_Return : Qt::Key_unknown);
        QVERIFY(!row.bRefused || !row.bViaReturn || Shown(pEditor).startsWith(row.sInput));
    }
    pEditor->setFocus();
    if (auto* pDateTime = qobject_cast<QDateTimeEdit*>(pEditor))
        pDateTime->setCurrentSection(QDateTimeEdit::YearSection);
    for (QChar key : bTyped ? QString() : row.sInput.mid(5))
        QTest::keyClick(pEditor, key == 'u' ? Qt::Key_Up : Qt::Key_Down);
    pOther->setFocus();
    QTRY_VERIFY(pOther->hasFocus());
    QCOMPARE(pValue->GetAsString(), row.sStored);
    QCOMPARE(Shown(pEditor), row.sShown);
    QCOMPARE(pBinding->HasError(), row.bRefused);
    QCOMPARE(pEditor->styleSheet().contains(QStringLiteral("red")), row.bRefused);
    QVERIFY(!bTyped || watcher.Codes() == (row.bRefused ? QList<int>() : QList<int>{values::CC_VALUE}));
    QVERIFY(row.bRefused || (pValue->SetAsString(sStoredBefore) && Shown(pEditor) == sShownBefore));
    if (!row.bRefused)
        return;
    QVERIFY(!pBinding->GetHint().isEmpty() && pEditor->toolTip() == pBinding->GetHint());
    if (qobject_cast<QDateTimeEdit*>(pEditor))
        return;
    QTest::keyClick(pEditor, Qt::Key_Escape);
    QCOMPARE(Shown(pEditor), sShownBefore);
    QVERIFY(!pBinding->HasError());
}
} // namespace vcfixture

Q_DECLARE_METATYPE(vcfixture::InputRow)
