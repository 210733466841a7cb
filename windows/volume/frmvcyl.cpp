// The cylinder's volume window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmvcyl", "Volume of a cylinder", 6795, 4875, &ComicSans, {}};

class frmvcyl : public Form {
public:
    explicit frmvcyl(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmvcyl(const NumberLocale& locale) { return std::make_unique<frmvcyl>(locale); }

} // namespace qv::windows
