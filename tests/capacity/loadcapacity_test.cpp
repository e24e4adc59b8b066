#include "capacity/loadcapacity.h"

#include "common/errors.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

using namespace tragvel;
using namespace tragvel::capacity;

// Readable failure output for texts.
namespace {

const QChar comma(u',');

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

const QString chyba23 =
    u8("Chyba#23 - Chyba vstupních hodnot pro výpočet zatížitelnosti, očekává se číslo!!!");
const QString chyba24 = u8("Chyba#24 - Hmotnost vozidla musí být nenulová !!!");
const QString chyba25 = u8("Chyba#25 - Účinky zatížení vozidly nemohou být nulové !!!");
const QString chyba26 = u8("Chyba#26 - Výpočet účinků zatížení podle původního předpisu nebyl "
                           "proveden nebo není aktuální!!!");
const QString chyba27 = u8("Chyba#27 - Výpočet účinků zatížení podle nového předpisu nebyl "
                           "proveden nebo není aktuální!!!");

// Sp,c 100, Sn,g 20, Sn,r 10, Sn,v 5, Tn 2, a 1, b 1.
CapacityInputs example()
{
    CapacityInputs in;
    in.first = u8("100");
    in.vehicleEffect = u8("5");
    in.otherEffect = u8("10");
    in.vehicleMass = u8("2");
    in.permanentEffect = u8("20");
    in.stateFactor = u8("1,00");
    in.materialFactor = u8("1,00");
    return in;
}

struct FormulaCase
{
    std::string name;
    CapacityInputs inputs;
    QStringList messages;
    std::optional<QString> result;
};

CapacityInputs with(CapacityInputs in, QString CapacityInputs::*box, const char *text)
{
    in.*box = u8(text);
    return in;
}

TEST(LoadCapacity, Formula)
{
    using C = CapacityInputs;
    CapacityInputs reduced = example();
    reduced.stateFactor = u8("0,9");
    reduced.materialFactor = u8("0,95");
    CapacityInputs bothZero = example();
    bothZero.vehicleMass = u8("0");
    bothZero.vehicleEffect = u8("0");
    CapacityInputs manyBad = example();
    manyBad.first = u8("");
    manyBad.vehicleEffect = u8("x");
    manyBad.vehicleMass = u8("?");
    const std::vector<FormulaCase> cases = {
        {"example", example(), {}, QStringLiteral("28,00")},
        {"reduced coefficients", reduced, {}, QStringLiteral("23,94")},
        {"negative capacity", with(example(), &C::first, "25"), {}, QStringLiteral("-2,00")},
        {"five significant digits", with(example(), &C::first, "30,1234567"), {},
         QStringLiteral("0,05")},
        {"large capacity in exponent form", with(example(), &C::vehicleEffect, "0,00056"), {},
         QStringLiteral("2,5E5")},
        {"mass and vehicle effect zero", bothZero, {chyba24, chyba25}, std::nullopt},
        {"negative mass", with(example(), &C::vehicleMass, "-1"), {chyba24}, std::nullopt},
        {"vehicle effect zero", with(example(), &C::vehicleEffect, "0,0"), {chyba25}, std::nullopt},
        {"first box empty, others bad too", manyBad, {chyba23}, std::nullopt},
        {"Sn,g not a number", with(example(), &C::permanentEffect, "20 t"), {chyba23}, std::nullopt},
        {"Sn,r point notation", with(example(), &C::otherEffect, "10.5"), {chyba23}, std::nullopt},
        {"bad coefficients not checked when Tn fails",
         with(with(example(), &C::vehicleMass, "0"), &C::stateFactor, "x"), {chyba24}, std::nullopt},
    };
    for (const FormulaCase &c : cases) {
        SCOPED_TRACE(c.name);
        const CapacityOutcome outcome = evaluateCapacity(c.inputs, comma);
        EXPECT_EQ(outcome.messages, c.messages);
        EXPECT_EQ(outcome.result, c.result);
    }
}

TEST(LoadCapacity, CoefficientsAreConvertedWithoutACheck)
{
    for (auto box : {&CapacityInputs::stateFactor, &CapacityInputs::materialFactor}) {
        try {
            evaluateCapacity(with(example(), box, "1.0"), comma);
            ADD_FAILURE() << "no conversion error";
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.text(), u8("'1.0' is not a valid floating point value"));
        }
    }
}

TEST(LoadCapacity, CapacityBeyondTheRangeOfNumbersIsRefused)
{
    const QString error = u8("Zatížitelnost nelze vyčíslit, hodnota překračuje rozsah čísel !!!");
    for (const char *vehicleEffect : {"1E-320", "1E-300"}) {
        SCOPED_TRACE(vehicleEffect);
        try {
            evaluateCapacity(with(with(example(), &CapacityInputs::vehicleEffect, vehicleEffect),
                                  &CapacityInputs::vehicleMass, "1E20"),
                             comma);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError &) {
            ADD_FAILURE() << "conversion error";
        } catch (const Error &e) {
            EXPECT_EQ(e.text(), error);
        }
    }
}

TEST(LoadCapacity, DirectCopies)
{
    EXPECT_EQ(copyDesignEffect(true, u8("39,35")).text, QStringLiteral("39,35"));
    EXPECT_EQ(copyDesignEffect(true, u8("39,35")).message, QString());
    EXPECT_EQ(copyDesignEffect(false, u8("39,35")).text, std::nullopt);
    EXPECT_EQ(copyDesignEffect(false, u8("39,35")).message, chyba26);
    EXPECT_EQ(copyAssessmentEffect(true, u8("1,234568E7")).text, QStringLiteral("1,234568E7"));
    EXPECT_EQ(copyAssessmentEffect(false, u8("5,00")).text, std::nullopt);
    EXPECT_EQ(copyAssessmentEffect(false, u8("5,00")).message, chyba27);
}

struct SumCase
{
    std::string name;
    bool current;
    const char *permanent, *relieved;
    std::optional<QString> text;
    QString message;
};

TEST(LoadCapacity, PermanentEffectsCopy)
{
    const std::vector<SumCase> cases = {
        {"rounded labels summed", true, "12,50", "3,25", QStringLiteral("15,75"), QString()},
        {"general text of the sum", true, "0,10", "0,20", QStringLiteral("0,3"), QString()},
        {"negative", true, "-2,00", "0,50", QStringLiteral("-1,5"), QString()},
        {"exponent labels", true, "1,234568E7", "1,00", QStringLiteral("12345681"), QString()},
        {"effects out of date", false, "12,50", "3,25", std::nullopt, chyba27},
        {"label not a number", true, "???", "3,25", std::nullopt, chyba27},
        {"second label not a number", true, "12,50", "???", std::nullopt, chyba27},
    };
    for (const SumCase &c : cases) {
        SCOPED_TRACE(c.name);
        const CopyOutcome outcome =
            copyPermanentEffects(c.current, u8(c.permanent), u8(c.relieved), comma);
        EXPECT_EQ(outcome.text, c.text);
        EXPECT_EQ(outcome.message, c.message);
    }
}

TEST(LoadCapacity, PermanentEffectsSumBeyondTheRangeIsRefused)
{
    try {
        copyPermanentEffects(true, u8("1,7E308"), u8("1,7E308"), comma);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), u8("Součet účinků stálého zatížení nelze vyčíslit, hodnota překračuje "
                               "rozsah čísel !!!"));
    }
}

} // namespace
