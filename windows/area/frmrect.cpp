// The rectangle's area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmrect", "Area of a rectangle", 7230, 5310, nullptr, {}};

class frmrect : public Form {
public:
    explicit frmrect(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmrect(const NumberLocale& locale) { return std::make_unique<frmrect>(locale); }

} // namespace qv::windows
