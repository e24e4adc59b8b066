#include "app/inputtables.h"

#include "app/tform1.h"

#include "influence/linekind.h"
#include "loads/loadset.h"
#include "loads/loadtable.h"
#include "loads/loadtexts.h"

namespace {

QString plainRowNumber(int row)
{
    return QString::number(row);
}

} // namespace

std::array<InputTable, 4> inputTables(TForm1 &form)
{
    const tragvel::LineKind &longitudinal = tragvel::longitudinalLine();
    const tragvel::LineKind &transverse = tragvel::transverseLine();
    return {{
        {form.StringGrid1, {1, longitudinal.maxPoints, longitudinal.tooManyRows, plainRowNumber},
         &TForm1::StringGrid1SetEditText},
        {form.StringGrid2, {1, transverse.maxPoints, transverse.tooManyRows, plainRowNumber},
         &TForm1::StringGrid2SetEditText},
        {form.StringGrid3, {1, tragvel::maxLoadRows, tragvel::loadtexts::tooManyRows(), tragvel::standardRowLabel}, &TForm1::StringGrid3SetEditText},
        {form.StringGrid4, {1, tragvel::maxLoadRows, tragvel::loadtexts::tooManyRows(), tragvel::standardRowLabel}, &TForm1::StringGrid4SetEditText},
    }};
}
