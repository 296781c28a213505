#include "settings/registry/registry_api.h"

namespace mirel {

std::string_view systemErrorText(RegResult code)
{
	switch (code) {
	case kRegSuccess:
		return "The operation completed successfully.";
	case kRegFileNotFound:
		return "The system cannot find the file specified.";
	case kRegPathNotFound:
		return "The system cannot find the path specified.";
	case kRegAccessDenied:
		return "Access is denied.";
	case kRegInvalidHandle:
		return "The handle is invalid.";
	case kRegNotEnoughMemory:
		return "Not enough memory resources are available to process this command.";
	case kRegSharingViolation:
		return "The process cannot access the file because it is being used by another process.";
	case kRegInvalidParameter:
		return "The parameter is incorrect.";
	case kRegDiskFull:
		return "There is not enough space on the disk.";
	case kRegMoreData:
		return "More data is available.";
	case kRegCorrupt:
		return "The configuration registry database is corrupt.";
	case kRegIoError:
		return "The request could not be performed because of an I/O device error.";
	default:
		return {};
	}
}

} // namespace mirel
