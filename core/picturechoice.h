#pragma once
// A picture file chosen for a field of the record an editor shows: stored whole, and only
// once it has loaded as a picture; otherwise nothing changes and the user is told.

#include "db/recordset.h"
#include "runtime/picture.h"

#include <QString>

#include <functional>
#include <optional>

using RecordAssign = std::function<void(Recordset&)>;
// The editor's all-or-nothing edit of the record it shows.
using RecordEdit = std::function<void(const RecordAssign&)>;

// The folder of a path, with its trailing separator.
QString folderOf(const QString& path);

// Stores the file in the field through `edit`, together with what `alsoAssign` sets, and
// returns its picture; nothing, with a message titled `title`, when the file is no picture
// or the record cannot be written.
std::optional<Picture> storePictureFile(const RecordEdit& edit, const QString& path, const QString& field,
                                        const QString& title, const RecordAssign& alsoAssign = {});
