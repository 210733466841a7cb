// The cube's surface-area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmcube", "Area of cube", 5955, 3375, nullptr, {}};

class frmcube : public Form {
public:
    explicit frmcube(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmcube(const NumberLocale& locale) { return std::make_unique<frmcube>(locale); }

} // namespace qv::windows
