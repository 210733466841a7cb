// The sphere's volume window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmvsph", "Volume of a sphere", 6075, 3660, &ComicSans, {}};

class frmvsph : public Form {
public:
    explicit frmvsph(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmvsph(const NumberLocale& locale) { return std::make_unique<frmvsph>(locale); }

} // namespace qv::windows
