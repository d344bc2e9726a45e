// The notation library with its music font (Gonville, small beside Bravura),
// built into a file of its own that the page loads when it first draws a
// staff, so that the first question does not wait for it.
import { Accidental, Font, Formatter, GhostNote, Renderer, Stave, StaveConnector, StaveNote, VexFlow, Voice } from 'vexflow/core';
// @ts-expect-error: the font's types ship apart from its code, outside the package's exports.
import { Gonville } from '../node_modules/vexflow/build/esm/src/fonts/gonville.js';

export const ready: Promise<unknown> = Font.load('Gonville', Gonville as string, { display: 'block' }).then(() => VexFlow.setFonts('Gonville'));

export { Accidental, Formatter, GhostNote, Renderer, Stave, StaveConnector, StaveNote, Voice };
