#include "EditorFactory.h"

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

std::unique_ptr<CEditorWindow> CreateEditor(Database database, QWidget* frame, CVentryDoc& doc) {
    std::unique_ptr<CEditorDlg> pEditor;
    switch (database) {
        case Database::Object:
            pEditor = std::make_unique<CObjectDlg>(frame, doc);
            break;
        case Database::Sensor:
            pEditor = std::make_unique<CSensorDlg>(frame, doc);
            break;
        case Database::Launcher:
            pEditor = std::make_unique<CLauncherDlg>(frame, doc);
            break;
        case Database::Airstrip:
            pEditor = std::make_unique<CAirstripDlg>(frame, doc);
            break;
        case Database::Profile:
            pEditor = std::make_unique<CProfileDlg>(frame, doc);
            break;
        case Database::Mast:
            pEditor = std::make_unique<CMastDlg>(frame, doc);
            break;
        case Database::Entity:
            pEditor = std::make_unique<CEntityDlg>(frame, doc);
            break;
        case Database::Object3D:
            pEditor = std::make_unique<C3DObjectDlg>(frame, doc);
            break;
        case Database::ShipClass:
            pEditor = std::make_unique<CShipClassDlg>(frame, doc);
            break;
        case Database::CountryName:
            pEditor = std::make_unique<CCountryNameDlg>(frame, doc);
            break;
        default:
            return nullptr;
    }
    pEditor->Create();
    return pEditor;
}
