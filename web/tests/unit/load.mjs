// Modules of the page's TypeScript, bundled together by esbuild in memory and
// imported, for the unit tests of the modules without the DOM: one bundle, so
// that the modules share their state (the language chosen, say).
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const src = join(dirname(dirname(dirname(fileURLToPath(import.meta.url)))), 'src');

export async function load(...names) {
  const built = await esbuild.build({
    stdin: { contents: names.map((n) => `export * from './${n}';`).join('\n'), resolveDir: src, loader: 'ts' },
    bundle: true, format: 'esm', platform: 'neutral', write: false, logLevel: 'error',
  });
  return import(`data:text/javascript;base64,${Buffer.from(built.outputFiles[0].text).toString('base64')}`);
}
