#pragma once

class CDocument;

// File Save: under the document's path, or by way of Save As when it has none.
bool AfxDoFileSave(CDocument& doc);

// Before a modified document's contents go, asks "Save changes to %1?"; Yes saves first.
// False when the user cancels or the save fails, so the caller leaves everything as it is.
bool AfxSaveModified(CDocument& doc);
