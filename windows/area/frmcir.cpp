// The circle window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmcir", "Area of a circle", 6735, 4335, nullptr, {}};

class frmcir : public Form {
public:
    explicit frmcir(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmcir(const NumberLocale& locale) { return std::make_unique<frmcir>(locale); }

} // namespace qv::windows
