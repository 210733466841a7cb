// The cube's volume window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmvcube", "Volume of a cube", 5925, 3705, &ComicSans, {}};

class frmvcube : public Form {
public:
    explicit frmvcube(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmvcube(const NumberLocale& locale) { return std::make_unique<frmvcube>(locale); }

} // namespace qv::windows
