// Tab 5: the two load-capacity formulas and the commands that copy their inputs from tab 4.

#include "app/tform1.h"

#include "capacity/loadcapacity.h"
#include "common/numbertext.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// Shows the messages of a formula and writes V when it was evaluated.
void evaluate(TForm1 &form, const QLineEdit &first, QLabel &result)
{
    const tragvel::capacity::CapacityInputs inputs{first.text(),        form.Edit12->text(), form.Edit13->text(),
                                         form.Edit14->text(), form.Edit15->text(), form.Edit9->text(),
                                         form.Edit10->text()};
    const tragvel::capacity::CapacityOutcome outcome = tragvel::capacity::evaluateCapacity(inputs, tragvel::programDecimalSeparator());
    form.showMessages(outcome.messages);
    if (outcome.result)
        result.setText(*outcome.result);
}

// Writes the copied text into its box, or shows why nothing was copied.
void apply(TForm1 &form, const tragvel::capacity::CopyOutcome &outcome, QLineEdit &box)
{
    if (outcome.text)
        box.setText(*outcome.text);
    else
        form.dialogs().showMessage(outcome.message);
}

} // namespace

void TForm1::Button25Click()
{
    evaluate(*this, *Edit11, *Label82);
}

void TForm1::Button26Click()
{
    apply(*this, tragvel::capacity::copyDesignEffect(DesignEffectsInvalid == 0, Label102->text()), *Edit11);
}

void TForm1::Button27Click()
{
    apply(*this,
          tragvel::capacity::copyPermanentEffects(AssessEffectsInvalid == 0, Label96->text(), Label115->text(),
                                        tragvel::programDecimalSeparator()),
          *Edit15);
}

void TForm1::Button28Click()
{
    apply(*this, tragvel::capacity::copyAssessmentEffect(AssessEffectsInvalid == 0, Label99->text()), *Edit12);
}

void TForm1::Button29Click()
{
    apply(*this, tragvel::capacity::copyAssessmentEffect(AssessEffectsInvalid == 0, Label53->text()), *Edit13);
}

void TForm1::Button30Click()
{
    evaluate(*this, *Edit16, *Label128);
}
