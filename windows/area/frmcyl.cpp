// The cylinder's area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmcyl", "Area of cylinder", 6660, 4845, nullptr, {}};

class frmcyl : public Form {
public:
    explicit frmcyl(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmcyl(const NumberLocale& locale) { return std::make_unique<frmcyl>(locale); }

} // namespace qv::windows
