// Everything a program that embeds the controls may include, in one header.
#pragma once

#include <qdprogress/colour.h>
#include <qdprogress/com.h>
#include <qdprogress/control_types.h>
#include <qdprogress/dispatch.h>
#include <qdprogress/embed.h>
#include <qdprogress/image.h>
#include <qdprogress/progress_controls.h>
#include <qdprogress/result.h>
#include <qdprogress/single_pie.h>
#include <qdprogress/variant.h>
