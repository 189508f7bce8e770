#include "EditorFactory.h"

#include <array>

#include "AirstripDlg.h"
#include "CountryNameDlg.h"
#include "EntityDlg.h"
#include "LauncherDlg.h"
#include "MastDlg.h"
#include "ObjectDlg.h"
#include "ProfileDlg.h"
#include "SensorDlg.h"
#include "ShipClassDlg.h"
#include "ThreeDObjectDlg.h"

namespace {

using CMaker = std::unique_ptr<CEditorDlg> (*)(QWidget* frame, CVentryDoc& doc);

template <class TEditor>
std::unique_ptr<CEditorDlg> Make(QWidget* frame, CVentryDoc& doc) {
    return std::make_unique<TEditor>(frame, doc);
}

// In the order of Database.
constexpr std::array<CMaker, kDatabaseCount> kMakers{
    Make<CObjectDlg>,    Make<CSensorDlg>,      Make<CLauncherDlg>, Make<CAirstripDlg>,
    Make<CEntityDlg>,    Make<CProfileDlg>,     Make<CMastDlg>,     Make<C3DObjectDlg>,
    Make<CShipClassDlg>, Make<CCountryNameDlg>,
};

}  // namespace

std::unique_ptr<CEditorWindow> CreateEditor(Database database, QWidget* frame, CVentryDoc& doc) {
    std::unique_ptr<CEditorDlg> pEditor = kMakers[static_cast<std::size_t>(database)](frame, doc);
    pEditor->Create();
    return pEditor;
}
