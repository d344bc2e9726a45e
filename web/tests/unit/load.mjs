// A module of the page's TypeScript, bundled by esbuild in memory and
// imported, for the unit tests of the modules without the DOM.
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const src = join(dirname(dirname(dirname(fileURLToPath(import.meta.url)))), 'src');

export async function load(name) {
  const built = await esbuild.build({ entryPoints: [join(src, name)], bundle: true, format: 'esm', platform: 'neutral', write: false, logLevel: 'error' });
  return import(`data:text/javascript;base64,${Buffer.from(built.outputFiles[0].text).toString('base64')}`);
}
