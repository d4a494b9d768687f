#pragma once

#include <QString>

// The words of the Export / Import Manager, as the owner sees them.

inline const QString kManagerCaption = "Export / Import Manager";
inline const QString kManagerHelp =
    "Use manager to export or import separate data out or into Q.I.V.O™ database. To get help "
    "for any object in the form move cursor over it.";
inline const QString kItemGroup = " Export Item Selection ";

// Statuses of the please-wait window.
inline const QString kStatusPreparingDatabase = "preparing database..";
inline const QString kStatusImporting = "importing data..";
inline const QString kStatusRemovingDuplicates = "removing duplicates..";
inline const QString kStatusRemovingTemporary = "removing temporary files..";

// Questions and prompts.
inline const QString kSelectAnItem = "Please, select at least one item to export!";
inline const QString kAskExport =
    "Do you want to export selected items from the Q.I.V.O™ database now? It can take some time "
    "to complete!";
inline const QString kPromptDataFileName = "Enter new data filename:";
inline const QString kPromptFileName = "Enter new filename:";
inline const QString kFileExists = "File already exists!";
inline QString AskOverwrite(const QString& name) {
    return kFileExists + " Do you want to replace the data file \"" + name + ".xpt\"?";
}
inline QString AskImport(const QString& name) {
    return "Do you want to import data into Q.I.V.O™ database from the selected data file \"" +
           name + "\" now? Sometimes it can take a long time to complete!";
}
inline QString AskEraseDataFile(const QString& name) {
    return "Do you want to erase selected data file \"" + name + ".xpt\"?";
}
inline QString AskModifyDescription(const QString& name) {
    return "Do you want to modify description for selected data file \"" + name + ".xpt\"?";
}
inline QString DropRejected(const QString& name) {
    return "File: \"" + name + "\" rejected, because it is an invalid Q.I.V.O™ data file.";
}

// Outcomes.
inline const QString kExportCanceled = "Data export canceled.";
inline const QString kExportError = "Export error!";
inline const QString kExportComplete = "Data export complete.";
inline const QString kImportError = "Import error!";
inline const QString kImportComplete = "Data import complete.";
inline const QString kDataFileRenamed = "Data file renamed.";
inline const QString kDataFileErased = "Data file erased.";
inline const QString kDescriptionModified = "Data file description modified.";
