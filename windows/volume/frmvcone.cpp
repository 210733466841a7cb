// The cone's volume window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmvcone", "Volume of a cone", 5490, 4065, &ComicSans, {}};

class frmvcone : public Form {
public:
    explicit frmvcone(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmvcone(const NumberLocale& locale) { return std::make_unique<frmvcone>(locale); }

} // namespace qv::windows
