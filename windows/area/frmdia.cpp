// The diagonal window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmdia", "Length of the diagnol", 5640, 3960, nullptr, {}};

class frmdia : public Form {
public:
    explicit frmdia(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmdia(const NumberLocale& locale) { return std::make_unique<frmdia>(locale); }

} // namespace qv::windows
