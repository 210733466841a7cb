// The triangle's area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmtri", "Area of a triangle", 5670, 3870, nullptr, {}};

class frmtri : public Form {
public:
    explicit frmtri(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmtri(const NumberLocale& locale) { return std::make_unique<frmtri>(locale); }

} // namespace qv::windows
