// The room's volume window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmvroom", "", 6930, 4800, &ComicSans, {}};

class frmvroom : public Form {
public:
    explicit frmvroom(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmvroom(const NumberLocale& locale) { return std::make_unique<frmvroom>(locale); }

} // namespace qv::windows
