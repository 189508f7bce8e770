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

std::unique_ptr<CEditorWindow> CreateEditor(EditorSlot slot, QWidget* frame, CVentryDoc& doc) {
    std::unique_ptr<CEditorDlg> pEditor;
    switch (slot) {
        case EditorSlot::Object:
            pEditor = std::make_unique<CObjectDlg>(frame, doc);
            break;
        case EditorSlot::Sensor:
            pEditor = std::make_unique<CSensorDlg>(frame, doc);
            break;
        case EditorSlot::Launcher:
            pEditor = std::make_unique<CLauncherDlg>(frame, doc);
            break;
        case EditorSlot::Airstrip:
            pEditor = std::make_unique<CAirstripDlg>(frame, doc);
            break;
        case EditorSlot::Profile:
            pEditor = std::make_unique<CProfileDlg>(frame, doc);
            break;
        case EditorSlot::Mast:
            pEditor = std::make_unique<CMastDlg>(frame, doc);
            break;
        case EditorSlot::Entity:
            pEditor = std::make_unique<CEntityDlg>(frame, doc);
            break;
        case EditorSlot::Object3D:
            pEditor = std::make_unique<C3DObjectDlg>(frame, doc);
            break;
        case EditorSlot::ShipClass:
            pEditor = std::make_unique<CShipClassDlg>(frame, doc);
            break;
        case EditorSlot::CountryName:
            pEditor = std::make_unique<CCountryNameDlg>(frame, doc);
            break;
        default:
            return nullptr;
    }
    pEditor->Create();
    return pEditor;
}
