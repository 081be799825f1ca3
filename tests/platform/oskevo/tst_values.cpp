#include "common/recordingobserver.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

using namespace values;

namespace
{

const ValueDescriptor g_vdTstCount = ValueDescriptor::Int("ValTstCount", "/Count", 5, "", -10, 100);
const ValueDescriptor g_vdTstFreq =
    ValueDescriptor::Double("ValTstFreq", "/Attr/Freq", 100e6, "Hz", 1000.0, 2, 9e3, 6e9);
const ValueDescriptor g_vdTstName = ValueDescriptor::String("ValTstName", "/Name", "unnamed");
const ValueDescriptor g_vdTstOn = ValueDescriptor::Bool("ValTstOn", "/On", true);
const ValueDescriptor g_vdTstMode = ValueDescriptor::Selection(
    "ValTstMode", "/Mode",
    {SelectionItem(QStringLiteral("AM"), 1.0, 10), SelectionItem(QStringLiteral("FM"), 2.0, 20),
     SelectionItem(QStringLiteral("USB"), 4.0, 30), SelectionItem(QStringLiteral("LSB"), 8.0, 40)},
    20);

std::unique_ptr<ValueBase> Make(const QString& sKind)
{
    const ValueDescriptor* pDescriptor = nullptr;
    if (sKind == QLatin1String("int"))
        pDescriptor = &g_vdTstCount;
    else if (sKind == QLatin1String("double"))
        pDescriptor = &g_vdTstFreq;
    else if (sKind == QLatin1String("string"))
        pDescriptor = &g_vdTstName;
    else if (sKind == QLatin1String("bool"))
        pDescriptor = &g_vdTstOn;
    else
        pDescriptor = &g_vdTstMode;
    return std::unique_ptr<ValueBase>(pDescriptor->CreateItem()->AsValue());
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TestValues : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void setAsString_data();
    void setAsString();
    void notifiesOnlyRealChanges_data();
    void notifiesOnlyRealChanges();
    void doubleTextRoundTrips_data();
    void doubleTextRoundTrips();
    void doubleTextRoundTripsRandomBits();
    void setNumber_data();
    void setNumber();
    void selection_data();
    void selection();
    void selectClosestValue_data();
    void selectClosestValue();
    void selectionItemsReplaced();
    void resetAndState();
    void cloneKeepsKindAndValue_data();
    void cloneKeepsKindAndValue();
};

void TestValues::defaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");

    QTest::newRow("int") << "int"
                         << "5"
                         << "Count";
    QTest::newRow("double") << "double"
                            << "100000000"
                            << "Freq";
    QTest::newRow("string") << "string"
                            << "unnamed"
                            << "Name";
    QTest::newRow("bool") << "bool"
                          << "true"
                          << "On";
    QTest::newRow("selection: default key") << "selection"
                                            << "FM"
                                            << "Mode";
}

void TestValues::defaults()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, name);

    std::unique_ptr<ValueBase> pValue = Make(kind);
    QCOMPARE(pValue->GetAsString(), text);
    QCOMPARE(pValue->GetName(), name);
    QCOMPARE(pValue->GetState(), int(VS_NORMAL));
}

void TestValues::setAsString_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("error"); // a part of the reason given

    QTest::newRow("int") << "int"
                         << "42" << true << "42"
                         << "";
    QTest::newRow("int with blanks") << "int"
                                     << " -7 " << true << "-7"
                                     << "";
    QTest::newRow("int at the minimum") << "int"
                                        << "-10" << true << "-10"
                                        << "";
    QTest::newRow("int below the minimum") << "int"
                                           << "-11" << false << "5"
                                           << "minimum";
    QTest::newRow("int above the maximum") << "int"
                                           << "101" << false << "5"
                                           << "maximum";
    QTest::newRow("int fraction") << "int"
                                  << "2.5" << false << "5"
                                  << "whole";
    QTest::newRow("int overflow") << "int"
                                  << "99999999999" << false << "5"
                                  << "too large";
    QTest::newRow("int text") << "int"
                              << "abc" << false << "5"
                              << "not a number";
    QTest::newRow("int empty") << "int"
                               << "" << false << "5"
                               << "needed";
    QTest::newRow("double") << "double"
                            << "145.5e6" << true << "145500000"
                            << "";
    QTest::newRow("double below the minimum") << "double"
                                              << "8999.999" << false << "100000000"
                                              << "minimum";
    QTest::newRow("double above the maximum") << "double"
                                              << "6000000000.5" << false << "100000000"
                                              << "maximum";
    QTest::newRow("double infinity") << "double"
                                     << "inf" << false << "100000000"
                                     << "";
    QTest::newRow("double nan") << "double"
                                << "nan" << false << "100000000"
                                << "";
    QTest::newRow("double overflowing text") << "double"
                                             << "1e400" << false << "100000000"
                                             << "";
    QTest::newRow("double comma") << "double"
                                  << "1,5" << false << "100000000"
                                  << "not a number";
    QTest::newRow("double unit") << "double"
                                 << "100 MHz" << false << "100000000"
                                 << "not a number";
    QTest::newRow("string any text") << "string"
                                     << " \tÄ\n𝄞 " << true << " \tÄ\n𝄞 "
                                     << "";
    QTest::newRow("string empty") << "string"
                                  << "" << true << ""
                                  << "";
    QTest::newRow("bool false") << "bool"
                                << "false" << true << "false"
                                << "";
    QTest::newRow("bool 0") << "bool"
                            << "0" << true << "false"
                            << "";
    QTest::newRow("bool No") << "bool"
                             << "No" << true << "false"
                             << "";
    QTest::newRow("bool OFF") << "bool"
                              << "OFF" << true << "false"
                              << "";
    QTest::newRow("bool maybe") << "bool"
                                << "maybe" << false << "true"
                                << "truth value";
    QTest::newRow("selection by name") << "selection"
                                       << "USB" << true << "USB"
                                       << "";
    QTest::newRow("selection by key") << "selection"
                                      << "#40" << true << "LSB"
                                      << "";
    QTest::newRow("selection unknown key") << "selection"
                                           << "#41" << false << "FM"
                                           << "key 41";
    QTest::newRow("selection unknown name") << "selection"
                                            << "CW" << false << "FM"
                                            << "CW";
    QTest::newRow("selection names are exact") << "selection"
                                               << "usb" << false << "FM"
                                               << "usb";
}

void TestValues::setAsString()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, after);
    QFETCH(QString, error);

    std::unique_ptr<ValueBase> pValue = Make(kind);
    RecordingObserver observer(QStringLiteral("v"));
    observer.Observe(pValue.get());
    QCOMPARE(pValue->SetAsString(text), ok);
    QCOMPARE(pValue->GetAsString(), after);
    QCOMPARE(pValue->GetLastError().isEmpty(), ok);
    QVERIFY2(pValue->GetLastError().contains(error), qPrintable(pValue->GetLastError()));
    if (!ok)
        QCOMPARE(observer.Calls(), 0);
    // A success clears the reason of an earlier refusal.
    if (!ok)
    {
        QVERIFY(pValue->SetAsString(pValue->GetAsString()));
        QVERIFY(pValue->GetLastError().isEmpty());
    }
}

void TestValues::notifiesOnlyRealChanges_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("changes");

    QTest::newRow("int same") << "int"
                              << "5" << false;
    QTest::newRow("int same, other spelling") << "int"
                                              << "+5" << false;
    QTest::newRow("int other") << "int"
                               << "6" << true;
    QTest::newRow("double same, other spelling") << "double"
                                                 << "1e8" << false;
    QTest::newRow("double other") << "double"
                                  << "100000000.5" << true;
    QTest::newRow("string same") << "string"
                                 << "unnamed" << false;
    QTest::newRow("string other") << "string"
                                  << "unnamed " << true;
    QTest::newRow("bool same") << "bool"
                               << "yes" << false;
    QTest::newRow("bool other") << "bool"
                                << "off" << true;
    QTest::newRow("selection same by key") << "selection"
                                           << "#20" << false;
    QTest::newRow("selection other") << "selection"
                                     << "AM" << true;
}

void TestValues::notifiesOnlyRealChanges()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, changes);

    std::unique_ptr<ValueBase> pValue = Make(kind);
    RecordingObserver editor(QStringLiteral("editor"));
    RecordingObserver other(QStringLiteral("other"));
    editor.Observe(pValue.get());
    other.Observe(pValue.get());
    QVERIFY(pValue->SetAsString(text, &editor));
    // The editor that made the change is not told of it.
    QCOMPARE(editor.Calls(), 0);
    QCOMPARE(other.Codes(), changes ? QList<int>{CC_VALUE} : QList<int>{});
}

void TestValues::doubleTextRoundTrips_data()
{
    QTest::addColumn<double>("number");

    QTest::newRow("0.1") << 0.1;
    QTest::newRow("one third") << 1.0 / 3.0;
    QTest::newRow("-0") << -0.0;
    QTest::newRow("smallest denormal") << 5e-324;
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
    QTest::newRow("1e308") << 1e308;
    QTest::newRow("frequency") << 145.675e6;
    QTest::newRow("2^53 + 2") << 9007199254740994.0;
    QTest::newRow("1e17") << 1e17;
    QTest::newRow("1e-5") << 1e-5;
    QTest::newRow("-123.456e-7") << -123.456e-7;
}

void TestValues::doubleTextRoundTrips()
{
    QFETCH(double, number);

    ValueDouble source(QStringLiteral("d"), nullptr);
    ValueDouble target(QStringLiteral("d"), nullptr);
    QVERIFY(source.SetValue(number));
    QVERIFY2(target.SetAsString(source.GetAsString()), qPrintable(source.GetAsString()));
    QVERIFY2(SameBits(target.GetValue(), number), qPrintable(source.GetAsString()));
}

void TestValues::doubleTextRoundTripsRandomBits()
{
    std::mt19937_64 random(20240611);
    ValueDouble source(QStringLiteral("d"), nullptr);
    ValueDouble target(QStringLiteral("d"), nullptr);
    int nChecked = 0;
    for (int i = 0; i < 20000; ++i)
    {
        const quint64 nBits = random();
        double d;
        std::memcpy(&d, &nBits, sizeof d);
        if (!std::isfinite(d))
        {
            QVERIFY(!source.SetValue(d));
            continue;
        }
        QVERIFY(source.SetValue(d));
        QVERIFY(target.SetAsString(source.GetAsString()));
        QVERIFY2(SameBits(target.GetValue(), d), qPrintable(source.GetAsString()));
        ++nChecked;
    }
    QVERIFY(nChecked > 19000);
}

void TestValues::setNumber_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after");

    QTest::newRow("int whole") << "int" << 12.0 << true << "12";
    QTest::newRow("int fraction") << "int" << 12.5 << false << "5";
    QTest::newRow("int out of range") << "int" << 1e12 << false << "5";
    QTest::newRow("int nan") << "int" << std::nan("") << false << "5";
    QTest::newRow("double") << "double" << 1e9 << true << "1000000000";
    QTest::newRow("double infinite") << "double" << HUGE_VAL << false << "100000000";
    QTest::newRow("selection picks closest") << "selection" << 3.5 << true << "USB";
    QTest::newRow("string holds no number") << "string" << 1.0 << false << "unnamed";
    QTest::newRow("bool holds no number") << "bool" << 0.0 << false << "true";
}

void TestValues::setNumber()
{
    QFETCH(QString, kind);
    QFETCH(double, number);
    QFETCH(bool, ok);
    QFETCH(QString, after);

    std::unique_ptr<ValueBase> pValue = Make(kind);
    QCOMPARE(pValue->SetNumber(number), ok);
    QCOMPARE(pValue->GetAsString(), after);
    QCOMPARE(pValue->GetLastError().isEmpty(), ok);
}

void TestValues::selection_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("argument");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("number");

    QTest::newRow("by index") << "index" << 3 << true << 40 << 8.0;
    QTest::newRow("by index past the end") << "index" << 4 << false << 20 << 2.0;
    QTest::newRow("by negative index") << "index" << -1 << false << 20 << 2.0;
    QTest::newRow("by key") << "key" << 10 << true << 10 << 1.0;
    QTest::newRow("by unknown key") << "key" << 11 << false << 20 << 2.0;
    QTest::newRow("by text") << "text" << 2 << true << 30 << 4.0;
}

void TestValues::selection()
{
    QFETCH(QString, operation);
    QFETCH(int, argument);
    QFETCH(bool, ok);
    QFETCH(int, key);
    QFETCH(double, number);

    ValueSelection value(QStringLiteral("m"), &g_vdTstMode);
    QCOMPARE(value.GetCount(), 4);
    bool bResult = false;
    if (operation == QLatin1String("index"))
        bResult = value.SelectIndex(argument);
    else if (operation == QLatin1String("key"))
        bResult = value.SelectKey(argument);
    else
        bResult = value.SelectText(value.GetItem(argument).GetName());
    QCOMPARE(bResult, ok);
    QCOMPARE(value.GetCurrentKey(), key);
    QCOMPARE(value.GetNumber(), number);
    QCOMPARE(value.GetCurrentItem()->GetKey(), key);
}

void TestValues::selectClosestValue_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("selected");

    QTest::newRow("exact") << 4.0 << true << "USB";
    QTest::newRow("below all") << -100.0 << true << "AM";
    QTest::newRow("above all") << 1e9 << true << "LSB";
    QTest::newRow("tie takes the first") << 1.5 << true << "AM";
    QTest::newRow("nan refused") << std::nan("") << false << "FM";
}

void TestValues::selectClosestValue()
{
    QFETCH(double, number);
    QFETCH(bool, ok);
    QFETCH(QString, selected);

    ValueSelection value(QStringLiteral("m"), &g_vdTstMode);
    QCOMPARE(value.SelectClosestValue(number), ok);
    QCOMPARE(value.GetAsString(), selected);
}

void TestValues::selectionItemsReplaced()
{
    // A selection with its own entries, as the device types are.
    ValueSelection value(QStringLiteral("types"), nullptr,
                         {SelectionItem(QStringLiteral("A"), 0, 1), SelectionItem(QStringLiteral("B"), 0, 2)},
                         1);
    RecordingObserver observer(QStringLiteral("v"));
    observer.Observe(&value);
    QCOMPARE(value.GetCurrentKey(), 2);
    value.SetItems({SelectionItem(QStringLiteral("B2"), 0, 2), SelectionItem(QStringLiteral("C"), 0, 3)});
    QCOMPARE(value.GetCurrentKey(), 2); // the chosen key is kept
    QCOMPARE(value.GetAsString(), QStringLiteral("B2"));
    value.SetItems({SelectionItem(QStringLiteral("D"), 0, 4)});
    QCOMPARE(value.GetCurrentKey(), 4); // gone: the first entry
    value.SetItems({});
    QCOMPARE(value.GetCurrentKey(), -1);
    QCOMPARE(value.GetCurrentItem(), nullptr);
    QCOMPARE(value.GetAsString(), QString());
    QVERIFY(!value.SelectClosestValue(1.0));
    QVERIFY(!value.SetAsString(QString()));
    QCOMPARE(observer.Codes(), (QList<int>{CC_VALUE, CC_VALUE, CC_VALUE}));
}

void TestValues::resetAndState()
{
    ValueInt value(QStringLiteral("n"), &g_vdTstCount);
    RecordingObserver observer(QStringLiteral("v"));
    observer.Observe(&value);
    QVERIFY(value.SetValue(50));
    value.Reset();
    QCOMPARE(value.GetValue(), 5);
    value.SetState(7);
    value.SetState(7);
    QCOMPARE(observer.Codes(), (QList<int>{CC_VALUE, CC_VALUE, CC_STATE}));
    QCOMPARE(value.GetState(), 7);

    ValueSelection selection(QStringLiteral("m"), &g_vdTstMode);
    selection.SelectKey(40);
    selection.Reset();
    QCOMPARE(selection.GetCurrentKey(), 20);
}

void TestValues::cloneKeepsKindAndValue_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("int") << "int"
                         << "-3";
    QTest::newRow("double") << "double"
                            << "123456789.125";
    QTest::newRow("string") << "string"
                            << "x y";
    QTest::newRow("bool") << "bool"
                          << "false";
    QTest::newRow("selection") << "selection"
                               << "LSB";
}

void TestValues::cloneKeepsKindAndValue()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);

    std::unique_ptr<ValueBase> pValue = Make(kind);
    QVERIFY(pValue->SetAsString(text));
    std::unique_ptr<TreeItem> pClone(pValue->Clone());
    ValueBase* pCloneValue = pClone->AsValue();
    QVERIFY(pCloneValue);
    QCOMPARE(typeid(*pCloneValue), typeid(*pValue));
    QCOMPARE(pCloneValue->GetAsString(), text);
    QCOMPARE(pCloneValue->GetValueDescriptor(), pValue->GetValueDescriptor());
    pValue->Reset();
    QCOMPARE(pCloneValue->GetAsString(), text);
}

QTEST_APPLESS_MAIN(TestValues)
#include "tst_values.moc"
