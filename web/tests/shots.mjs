// Screenshots for the README when SONORIX_SCREENSHOTS names a folder: each
// view at 1280 px and at 360 px wide.
import { join } from 'node:path';

export async function shoot(page, name, redraw = async () => {}) {
  const folder = process.env.SONORIX_SCREENSHOTS;
  if (!folder) return;
  const before = page.viewportSize();
  for (const width of [1280, 360]) {
    await page.setViewportSize({ width, height: width === 360 ? 780 : 900 });
    await redraw();
    await page.screenshot({ path: join(folder, `${name}-${width}.png`) });
  }
  await page.setViewportSize(before);
  await redraw();
}
