// The hemisphere's area window: its controls and handlers arrive with its own change.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const FormDesign design{"frmhemi", "Area of hemi-sphere", 7140, 5280, &ComicSans, {}};

class frmhemi : public Form {
public:
    explicit frmhemi(const NumberLocale& locale) : Form(design, locale) {}
};

} // namespace

std::unique_ptr<Form> make_frmhemi(const NumberLocale& locale) { return std::make_unique<frmhemi>(locale); }

} // namespace qv::windows
